# The Win32 viewer: the form TfmMain, its table list, string grid and context menu, key handling,
# message boxes, and the clipboard, save dialog and printer layers of its outputs. Linked into the plug-in.
add_library(ddviewer STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Clipboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InfoMessage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeyHandlers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ModuleInstance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OsError.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OutputCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PopupMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Printer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SaveDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StringGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TableListBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ViewerFonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unMain.cpp
)
target_include_directories(ddviewer PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(ddviewer PUBLIC ddlayout ddcore user32 gdi32 comdlg32 winspool)
if(TARGET ddoutputs)
  target_link_libraries(ddviewer PUBLIC ddoutputs)
endif()
