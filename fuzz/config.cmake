# The configuration file reader: decoding, the writer's round trip and the load reactions.
# ./build/fuzz/bin/config_fuzz -max_total_time=600 <new-corpus-dir> tests/config/data
orbane_add_fuzzer(config_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/config_fuzz.cpp orbane_config_io)
