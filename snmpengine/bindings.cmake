# The classes whose whole job is binding widgets to requests: the control
# bindings of the windows and the radio group they fill. A target of its
# own, so the engine itself stays free of widgets.
add_library(snmpengine_widgets STATIC
    ${CMAKE_CURRENT_LIST_DIR}/CvRadioGroup.cpp ${CMAKE_CURRENT_LIST_DIR}/CvRadioGroup.h
    ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequest2Controls.cpp ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequest2Controls.h
    ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequest2Edits.cpp ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequest2Edits.h
    ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequest2EditsFill.cpp
)
target_include_directories(snmpengine_widgets PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(snmpengine_widgets PUBLIC snmpengine common_widgets Qt6::Widgets)
