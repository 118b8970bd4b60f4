# Which folder may include which: the house's one table, read by the build and by the include check.
#
# An area is a folder of plain logic (its headers only, never its ui/) or a folder of windows
# ("room/ui"). KORVEN_SEES_<area> names the areas whose headers it includes directly; what those
# see is seen too. The direction: files/, iscn/ and program/ at the bottom, then users/,
# exercise/, analysis/, cases/, classroom/ and tools/; the windows above all plain logic, in the
# same order; app/ on top. Nothing includes app/, and no plain logic includes a window.
set(KORVEN_SEES_files "")
set(KORVEN_SEES_iscn "")
set(KORVEN_SEES_program files)
set(KORVEN_SEES_users files)
set(KORVEN_SEES_exercise files)
set(KORVEN_SEES_analysis users exercise)
set(KORVEN_SEES_cases exercise iscn)
set(KORVEN_SEES_classroom analysis cases)
set(KORVEN_SEES_tools exercise cases iscn program)
# The windows' common ground: the error box and modal routing, the application object, the icon,
# and the window set through which the login dialog opens the exercise window.
set(KORVEN_SEES_forms program files)
set(KORVEN_SEES_users/ui forms users exercise)
set(KORVEN_SEES_exercise/ui users/ui)
set(KORVEN_SEES_analysis/ui exercise/ui analysis)
set(KORVEN_SEES_cases/ui exercise/ui cases)
set(KORVEN_SEES_classroom/ui analysis/ui classroom)
set(KORVEN_SEES_app/ui classroom/ui cases/ui analysis/ui)
set(KORVEN_SEES_app app/ui)
# The forms seam: the forms the trainer's layout binds together, which open one another whatever
# their room. Every window (every area that sees forms/) may include these headers, and only these,
# from a room above its own; the list holds what they include in turn as well.
set(KORVEN_FORMS_SEAM exercise/ui/tform1.h exercise/ui/piece_drag.h analysis/ui/tpages_dlg.h
  analysis/ui/tokbottom_dlg.h analysis/ui/trial_charts.h analysis/ui/chart_view.h analysis/chart.h)
# Outside the house: benchmarks, fuzz targets and tests see what they need.
set(KORVEN_SEES_logic tools classroom program)
set(KORVEN_SEES_everything app tools)

# The areas `area` may include, itself first, closed over what each of them sees.
function(korven_area_closure area out)
  set(result ${area})
  set(queue ${area})
  while(queue)
    list(POP_FRONT queue current)
    foreach(next IN LISTS KORVEN_SEES_${current})
      if(NOT next IN_LIST result)
        list(APPEND result ${next})
        list(APPEND queue ${next})
      endif()
    endforeach()
  endwhile()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# The area a source file belongs to, from its path relative to the source root (empty outside the
# house). A room's main.cpp starts a program and belongs with that room's windows.
function(korven_area_of relpath out)
  set(area "")
  if(relpath MATCHES "^([a-z_]+)/ui/[^/]+$")
    set(area "${CMAKE_MATCH_1}/ui")
  elseif(relpath MATCHES "^([a-z_]+)/main\\.cpp$")
    set(area "${CMAKE_MATCH_1}/ui")
    if(CMAKE_MATCH_1 STREQUAL "app")
      set(area app)
    endif()
  elseif(relpath MATCHES "^([a-z_]+)/[^/]+$")
    set(area "${CMAKE_MATCH_1}")
  endif()
  if(area AND NOT DEFINED KORVEN_SEES_${area})
    set(area "")
  endif()
  set(${out} "${area}" PARENT_SCOPE)
endfunction()
