# The classes whose whole job is binding widgets to requests: control and
# LED bindings with their small widgets. A target of its own, so the engine
# itself stays free of widgets.
add_library(snmpengine_widgets STATIC
    ${CMAKE_CURRENT_LIST_DIR}/CvLedShape.cpp ${CMAKE_CURRENT_LIST_DIR}/CvLedShape.h
    ${CMAKE_CURRENT_LIST_DIR}/CvRadioGroup.cpp ${CMAKE_CURRENT_LIST_DIR}/CvRadioGroup.h
    ${CMAKE_CURRENT_LIST_DIR}/CvSNMPLedColorMapList.cpp ${CMAKE_CURRENT_LIST_DIR}/CvSNMPLedColorMapList.h
    ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequest2Controls.cpp ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequest2Controls.h
    ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequest2Edits.cpp ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequest2Edits.h
    ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequest2EditsFill.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequest2EditsRows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequest2Leds.cpp ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequest2Leds.h
)
target_include_directories(snmpengine_widgets PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(snmpengine_widgets PUBLIC snmpengine common_widgets Qt6::Widgets)
