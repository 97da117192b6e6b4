target_sources(tarvelo PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Numeracion.h ${CMAKE_CURRENT_LIST_DIR}/Numeracion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Semaforos.h ${CMAKE_CURRENT_LIST_DIR}/Semaforos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FechaJornada.h ${CMAKE_CURRENT_LIST_DIR}/FechaJornada.cpp
)
