if(NOT EXISTS ${DESTINO})
  file(COPY_FILE ${MODELO} ${DESTINO})
  message(STATUS "Created ${DESTINO}")
endif()
