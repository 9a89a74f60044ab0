# The session, the boots counter and the transport on the SNMP library.
target_sources(snmpengine PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CvBootCounter.cpp ${CMAKE_CURRENT_LIST_DIR}/CvBootCounter.h
    ${CMAKE_CURRENT_LIST_DIR}/CvConnectionCheck.cpp ${CMAKE_CURRENT_LIST_DIR}/CvConnectionCheck.h
    ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequest.cpp ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequest.h
    ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequestJournal.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CvSNMPRequestWalk.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CvSNMPSession.cpp ${CMAKE_CURRENT_LIST_DIR}/CvSNMPSession.h
    ${CMAKE_CURRENT_LIST_DIR}/CvSecurityProtocols.cpp ${CMAKE_CURRENT_LIST_DIR}/CvSecurityProtocols.h
    ${CMAKE_CURRENT_LIST_DIR}/CvSnmpDiscovery.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CvSnmpHosts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CvSnmpPdu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CvSnmpSecurity.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CvSnmpSessions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CvSnmpTransport.cpp ${CMAKE_CURRENT_LIST_DIR}/CvSnmpTransport.h
    ${CMAKE_CURRENT_LIST_DIR}/CvSnmpTransportPrivate.h
    ${CMAKE_CURRENT_LIST_DIR}/CvUnitTableOid.h
    ${CMAKE_CURRENT_LIST_DIR}/CvWalkExchange.cpp ${CMAKE_CURRENT_LIST_DIR}/CvWalkExchange.h
)
target_link_libraries(snmpengine PUBLIC platform Qt6::Network PRIVATE PkgConfig::NETSNMP)

# Widget-bound classes: control and LED bindings.
include(${CMAKE_CURRENT_LIST_DIR}/bindings.cmake OPTIONAL)
