# The machinery of the generated windows: widgets, panels, actions.
if(NOT TARGET snmpengine_widgets)
    return()
endif()
add_library(guiconfig STATIC
    CvBindingList.cpp CvBindingList.h
    GeneratedWindows.cpp GeneratedWindows.h
    TConfigForm.cpp TConfigForm.h
    TCtrlBtnPanel.cpp TCtrlBtnPanel.h
    TFlowLayoutManger.cpp TFlowLayoutManger.h
    TPanelContainer.cpp TPanelContainer.h
    TSNMPLayoutAdapter.cpp TSNMPLayoutAdapter.h
    TSNMPPanel.cpp TSNMPPanel.h
    TUIGenerator.cpp TUIGenerator.h
)
target_include_directories(guiconfig PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(guiconfig PUBLIC guiconfig_tables snmpengine_widgets platform Qt6::Widgets)
