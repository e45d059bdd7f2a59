# The Qt 6 Widgets backend of the platform layer (Linux, macOS). README.md
# lists what each file does.
target_sources(window PRIVATE
    platform/qt/accessibility.cpp platform/qt/accessibility.h
    platform/qt/app_icon.cpp platform/qt/app_icon.h
    platform/qt/application.cpp
    platform/qt/classic_style.cpp platform/qt/classic_style.h
    platform/qt/clipboard.cpp
    platform/qt/control.h
    platform/qt/files.cpp
    platform/qt/first_frame.cpp platform/qt/first_frame.h
    platform/qt/font_warmup.cpp platform/qt/font_warmup.h
    platform/qt/fonts.cpp platform/qt/fonts.h
    platform/qt/key_events.cpp platform/qt/key_events.h
    platform/qt/locale.cpp
    platform/qt/native.h
    platform/qt/native_controls.cpp platform/qt/native_controls.h
    platform/qt/native_form.cpp platform/qt/native_form.h
    platform/qt/qt_colour.h
    platform/qt/reading_tools.cpp platform/qt/reading_tools.h
    platform/qt/random_source.cpp
    platform/qt/scroll_bar.cpp platform/qt/scroll_bar.h
    platform/qt/sound.cpp
    platform/qt/surface.cpp platform/qt/surface.h
    platform/qt/translations.cpp platform/qt/translations.h
    platform/qt/words.cpp
    platform/qt/zoom.h
)
# Tests and measurements reach the Qt widgets through native.h.
target_include_directories(window PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/platform/qt)
find_package(Fontconfig REQUIRED)
find_package(Threads REQUIRED)
find_package(ZLIB REQUIRED)
target_link_libraries(window PUBLIC Qt6::Widgets PRIVATE Fontconfig::Fontconfig Threads::Threads
                                                        ZLIB::ZLIB ${CMAKE_DL_LIBS})
set_target_properties(window PROPERTIES AUTOMOC ON AUTORCC ON)

# The window shows the same icon as the desktop launcher.
qt_add_resources(window icons
    PREFIX /icons
    BASE ${PROJECT_SOURCE_DIR}/packaging/icons
    FILES
        ${PROJECT_SOURCE_DIR}/packaging/icons/org.quorvel.Quorvel-16.png
        ${PROJECT_SOURCE_DIR}/packaging/icons/org.quorvel.Quorvel-32.png
        ${PROJECT_SOURCE_DIR}/packaging/icons/org.quorvel.Quorvel-48.png
        ${PROJECT_SOURCE_DIR}/packaging/icons/org.quorvel.Quorvel-64.png
)
