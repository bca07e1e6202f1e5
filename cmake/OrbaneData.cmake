# Data files (pictures, sounds, help, exercises) are copied next to the executable,
# where the program looks for them.
file(GLOB ORBANE_DATA_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*.*)
set(ORBANE_DATA_STAMPS)
foreach(f ${ORBANE_DATA_FILES})
  get_filename_component(name ${f} NAME)
  add_custom_command(OUTPUT ${ORBANE_RUNTIME_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${f} ${ORBANE_RUNTIME_DIR}/${name}
    DEPENDS ${f} VERBATIM)
  list(APPEND ORBANE_DATA_STAMPS ${ORBANE_RUNTIME_DIR}/${name})
endforeach()
add_custom_target(orbane_data ALL DEPENDS ${ORBANE_DATA_STAMPS})
