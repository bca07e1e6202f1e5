# Exercises: the RTF reader (with a write-and-read-back check) and the exercise-file reader.
#   ./build/fuzz/bin/rtf_fuzz -max_total_time=600 -dict=fuzz/exercises/rtf.dict <corpus> tests/exercises/fixtures
#   ./build/fuzz/bin/exercise_file_fuzz -max_total_time=600 <corpus>
orbane_add_fuzzer(rtf_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/exercises/rtf_fuzz.cpp orbane_exercises)
orbane_add_fuzzer(exercise_file_fuzz ${CMAKE_CURRENT_SOURCE_DIR}/exercises/exercisefile_fuzz.cpp
                  orbane_exercises)
