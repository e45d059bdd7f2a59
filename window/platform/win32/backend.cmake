# The Win32 backend of the platform layer (Windows): native controls and GDI.
# README.md lists what each file does.
target_sources(window PRIVATE
    platform/win32/accessibility.cpp platform/win32/accessibility.h
    platform/win32/application.cpp
    platform/win32/bar_object.cpp
    platform/win32/clipboard.cpp
    platform/win32/compositing.cpp
    platform/win32/conversions.h
    platform/win32/dispatch.cpp platform/win32/dispatch.h
    platform/win32/files.cpp
    platform/win32/first_frame.cpp
    platform/win32/fonts.cpp platform/win32/fonts.h
    platform/win32/handles.h
    platform/win32/key_events.cpp platform/win32/key_events.h
    platform/win32/locale.cpp
    platform/win32/message_box.cpp
    platform/win32/native.h
    platform/win32/native_controls.cpp platform/win32/native_controls.h
    platform/win32/native_form.cpp platform/win32/native_form.h
    platform/win32/offscreen.cpp platform/win32/offscreen.h
    platform/win32/panel.cpp
    platform/win32/reading_tools.cpp platform/win32/reading_tools.h
    platform/win32/random_source.cpp
    platform/win32/scroll_bar.cpp platform/win32/scroll_bar.h
    platform/win32/sound.cpp
    platform/win32/surface.cpp platform/win32/surface.h
    platform/win32/window_procedure.cpp
    platform/win32/zoom.cpp
)
# Tests reach the native windows through native.h.
target_include_directories(window PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/platform/win32)
target_compile_definitions(window PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                         _WIN32_WINNT=0x0A00 WINVER=0x0A00)
# zlib from its static library, so that the program stays one file.
find_library(QUORVEL_STATIC_ZLIB NAMES libz.a REQUIRED)
target_link_libraries(window PUBLIC uuid gdi32 user32 ${QUORVEL_STATIC_ZLIB})

# The resources every executable of the program carries: icon, version, manifest.
set(QUORVEL_ICON ${PROJECT_SOURCE_DIR}/packaging/icons/org.quorvel.Quorvel.ico)
set(QUORVEL_MANIFEST ${CMAKE_CURRENT_SOURCE_DIR}/platform/win32/quorvel.manifest)
configure_file(platform/win32/quorvel.rc ${PROJECT_BINARY_DIR}/quorvel.rc @ONLY)
set(QUORVEL_RESOURCES ${PROJECT_BINARY_DIR}/quorvel.rc CACHE INTERNAL "")
