# Fails when the layers lean the wrong way:
# - a toolkit's header or type outside its own backend folder (Qt outside
#   platform/qt/, Windows outside platform/win32/, Emscripten outside
#   platform/web/);
# - a file under platform/ that includes the model or any header of the
#   window above it.
# Run as: cmake -DWINDOW=<window folder> -DMODEL=<model folder> -P check_layers.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE sources RELATIVE ${WINDOW} ${WINDOW}/*.h ${WINDOW}/*.cpp)
file(GLOB_RECURSE window_headers RELATIVE ${WINDOW} ${WINDOW}/*.h)
list(FILTER window_headers EXCLUDE REGEX "^platform/")
file(GLOB_RECURSE model_headers RELATIVE ${MODEL} ${MODEL}/*.h)

# The names a file may include a header of the window or the model by: its
# path under window/ and its bare name.
set(above "")
foreach(header IN LISTS window_headers model_headers)
    get_filename_component(name ${header} NAME)
    list(APPEND above ${header} ${name})
endforeach()
list(REMOVE_DUPLICATES above)

set(toolkits
    "platform/qt/" "#include <Q[^>]*>|[^A-Za-z0-9_]Q[A-Z][A-Za-z]+[^A-Za-z0-9_]"
    "platform/win32/" "#include <(windows|winuser|wingdi|commctrl|oleacc|mmsystem|objbase)\\.h>|[^A-Za-z0-9_]HWND[^A-Za-z0-9_]"
    "platform/web/" "#include <emscripten[^>]*>|EM_JS")

set(faults "")
foreach(source IN LISTS sources)
    file(READ ${WINDOW}/${source} text)
    set(pairs ${toolkits})
    while(pairs)
        list(POP_FRONT pairs folder pattern)
        if(NOT source MATCHES "^${folder}")
            string(REGEX MATCH "${pattern}" found "${text}")
            if(found)
                list(APPEND faults "${source}: ${found} belongs in ${folder}")
            endif()
        endif()
    endwhile()
    if(source MATCHES "^platform/")
        string(REGEX MATCHALL "#include \"[^\"]+\"" includes "${text}")
        foreach(include IN LISTS includes)
            string(REGEX REPLACE "#include \"([^\"]+)\"" "\\1" included "${include}")
            if(included IN_LIST above)
                list(APPEND faults "${source} includes ${included}, from above the platform layer")
            endif()
        endforeach()
    endif()
endforeach()
if(faults)
    list(JOIN faults "\n  " lines)
    message(FATAL_ERROR "window/ crosses its layers:\n  ${lines}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files in window/ keep to their layers")
