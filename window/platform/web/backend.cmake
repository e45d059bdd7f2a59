# The browser backend of the platform layer: page elements and a canvas, built
# with Emscripten into one self-contained page. README.md lists what each file does.
target_sources(window PRIVATE
    platform/web/accessibility.cpp
    platform/web/application.cpp
    platform/web/clipboard.cpp
    platform/web/dom.cpp platform/web/dom.h
    platform/web/files.cpp
    platform/web/key_events.cpp platform/web/key_events.h
    platform/web/locale.cpp
    platform/web/markup.cpp platform/web/markup.h
    platform/web/native_controls.cpp platform/web/native_controls.h
    platform/web/native_form.cpp platform/web/native_form.h
    platform/web/page_constants.cpp platform/web/page_constants.h
    platform/web/page_fit.cpp platform/web/page_fit.h
    platform/web/panel.cpp
    platform/web/reading_tools.cpp
    platform/web/random_source.cpp
    platform/web/scroll_bar.cpp platform/web/scroll_bar.h
    platform/web/sound.cpp
    platform/web/surface.cpp platform/web/surface.h
    platform/web/window_procedure.cpp
)
# The page's scripts, in the order they join into the page, after the
# constants the build writes from the program.
set(QUORVEL_PAGE_SCRIPTS page wasm fit scroll_bar message_box canvas tools menu clipboard audio)
list(TRANSFORM QUORVEL_PAGE_SCRIPTS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/platform/web/js/)
list(TRANSFORM QUORVEL_PAGE_SCRIPTS APPEND .js)
set(QUORVEL_PAGE_SCRIPTS ${QUORVEL_PAGE_SCRIPTS} CACHE INTERNAL "")
target_include_directories(window PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/platform/web)
# Exceptions as WebAssembly's own, which every current browser runs, rather
# than emulated in JavaScript: smaller and faster.
target_compile_options(window PUBLIC -fwasm-exceptions)
target_link_options(window PUBLIC -fwasm-exceptions)
