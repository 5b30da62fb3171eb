# The parser half of the library: the parsed PPD, its extension keyword handlers, the constraint
# forest, the error records and the flat function interface.
# (The error list, the string store, the forest and the keyword map are listed in CMakeLists.txt.)
target_sources(corvel_ppdx PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ControlFactory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KTVPPD.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KTVPPDBlocks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KTVPPDConstraints.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KTVPPDControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KTVPPDLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KTVPPDMenus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KTVPPDParse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KTVPPDPersistence.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KTVPPDValueControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PPDXErrorNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PPDXErrorObj.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PPDXInterface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PPDXStandardKeywords.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PPDXValidate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PopupChoices.cpp
)
