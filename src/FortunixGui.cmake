# The Qt program: the platform seams, the widget kit, the shell, the windows and start-up.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

configure_file(shell/SiteConfig.h.in ${CMAKE_CURRENT_BINARY_DIR}/generated/shell/SiteConfig.h @ONLY)

add_library(fortunix_gui STATIC
    platform/InstanceLockFolder.cpp
    platform/Platform.cpp
    platform/QtPlatform.cpp
    widgets/Appearance.cpp
    widgets/DropDownListAccessible.cpp
    widgets/KeyPressFilter.cpp
    widgets/LinkLabel.cpp
    widgets/LinkLabelAccessible.cpp
    widgets/Twips.cpp
    widgets/WindowAccessible.cpp
    widgets/WindowPlacement.cpp
    widgets/WrappingButton.cpp
    shell/WindowRegistry.cpp
    shell/modHelp.cpp
    shell/SettingsCodec.cpp
    shell/Settings.cpp
    shell/UpdateReminder.cpp
    shell/Shutdown.cpp
    shell/modTellAFriend.cpp
    forms/SharedMenus.cpp
    forms/LinkStrips.cpp
    forms/frmMain.cpp
    forms/frmDisplay.cpp
    forms/LocationSearch.cpp
    forms/frmPlaceChoice.cpp
    forms/frmAbout.cpp
    forms/frmNagScreen2.cpp
    forms/ExitHandOff.cpp
    forms/Windows.cpp
    app/Startup.cpp
)
set_target_properties(fortunix_gui PROPERTIES AUTOMOC ON)
target_include_directories(fortunix_gui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}
                                              ${CMAKE_CURRENT_BINARY_DIR}/generated)
target_link_libraries(fortunix_gui PUBLIC fortunix_core fortunix_atlas Qt6::Widgets
                                   PRIVATE fortunix_warnings)

set(fortunix_icon_files)
foreach(size 16 24 32 48 64 128 256)
    list(APPEND fortunix_icon_files ${PROJECT_SOURCE_DIR}/data/icons/fortunix-${size}.png)
endforeach()
qt_add_resources(fortunix_gui "icons" PREFIX "/icons" BASE ${PROJECT_SOURCE_DIR}/data/icons
                 FILES ${fortunix_icon_files})

add_executable(fortunix WIN32 app/main.cpp)
target_link_libraries(fortunix PRIVATE fortunix_gui fortunix_warnings)
