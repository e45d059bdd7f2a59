# The browser backend of the platform layer: page elements and a canvas, built
# with Emscripten into one self-contained page.
target_sources(window PRIVATE
    platform/web/application.cpp
    platform/web/canvas_surface.cpp platform/web/canvas_surface.h
    platform/web/dom.cpp platform/web/dom.h
    platform/web/markup.cpp platform/web/markup.h
    platform/web/locale.cpp
    platform/web/page_controls.cpp platform/web/page_controls.h
    platform/web/page_form.cpp platform/web/page_form.h
)
target_include_directories(window PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/platform/web)
# Exceptions as WebAssembly's own, which every current browser runs, rather
# than emulated in JavaScript: smaller and faster.
target_compile_options(window PUBLIC -fwasm-exceptions)
target_link_options(window PUBLIC -fwasm-exceptions)
