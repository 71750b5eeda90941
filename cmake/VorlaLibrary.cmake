# vorla_add_library(<name> SOURCES ... [LINKS ...] [QT]): the static library of
# one folder. Its headers are included from the project root
# ("compartment/model/run_inputs.h"), it builds with the project's warnings, and
# LINKS are what its own headers need (so they pass on to whatever links it).
# QT turns on moc for the Qt windows' folders, and their files share the Qt
# headers vorla_common_ui precompiles (the windows' libraries all link it, so
# their compiler flags are its flags).
function(vorla_add_library name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE vorla_warnings)
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    if(name STREQUAL "vorla_common_ui")
      target_precompile_headers(${name} PRIVATE ${VORLA_QT_WINDOW_HEADERS})
    else()
      target_precompile_headers(${name} REUSE_FROM vorla_common_ui)
    endif()
  endif()
endfunction()

# The Qt headers most of the windows' files include. Qt's headers are most of
# the time a window's file takes to compile, so they are compiled once for
# every window and the window tests.
set(VORLA_QT_WINDOW_HEADERS
  <QAction> <QApplication> <QCloseEvent> <QDialog> <QDir> <QFile> <QFileInfo>
  <QGridLayout> <QGroupBox> <QHBoxLayout> <QLabel> <QLineEdit> <QMainWindow>
  <QMenu> <QMenuBar> <QPainter> <QPlainTextEdit> <QPointer> <QPushButton>
  <QRadioButton> <QSettings> <QString> <QVBoxLayout> <QWidget>)
