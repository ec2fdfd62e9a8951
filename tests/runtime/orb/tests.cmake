# The ORB's tests: references and what a server answers, 32 threads of
# calls on one connection, peer faults (a killed server, a slow one), how
# connections end (shutdown, CloseConnection, code sets, cancelling), the
# server's bounds against hostile peers, the settings of ORB.init, IIOP over
# TLS, and the seeded GIOP mutation test (make fuzz runs it longer).  Included from
# tests/CMakeLists.txt where javac, java and the runtime jar are known.
set(RUN_ORB_TEST ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/run_orb_test.py
    --javac ${JAVAC_EXECUTABLE} --java ${JAVA_EXECUTABLE} --runtime-jar ${QUORVEX_RUNTIME_JAR})
add_test(NAME runtime.orb.references COMMAND ${RUN_ORB_TEST} Refs)
add_test(NAME runtime.orb.concurrency COMMAND ${RUN_ORB_TEST} Concurrency)
add_test(NAME runtime.orb.peer_faults COMMAND ${RUN_ORB_TEST} KilledServer)
add_test(NAME runtime.orb.giop_mutation COMMAND ${RUN_ORB_TEST} GiopFuzz 20261209 3000)
add_test(NAME runtime.orb.closing COMMAND ${RUN_ORB_TEST} Closing)
add_test(NAME runtime.orb.bounds COMMAND ${RUN_ORB_TEST} Bounds)
add_test(NAME runtime.orb.settings COMMAND ${RUN_ORB_TEST} OrbInit)
# IIOP over TLS between two ORBs, with keys keytool makes in a temporary folder.
add_test(NAME runtime.orb.tls COMMAND ${RUN_ORB_TEST} TlsTest)
set_tests_properties(runtime.orb.references runtime.orb.concurrency runtime.orb.peer_faults
                     runtime.orb.giop_mutation runtime.orb.closing runtime.orb.bounds runtime.orb.settings
                     runtime.orb.tls PROPERTIES TIMEOUT 300)
