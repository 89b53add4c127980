! The few Win32 routines Velmora Sketch calls itself, for what the library
! does not offer Fortran programs: loading a menu from the resources, a
! window's caption and size, and the keyboard focus.
!
! Win32 routines use the STDCALL convention on i686: the routine removes its
! arguments from the stack, and the linker knows it as _Name@N. The !GCC$
! line says so; gfortran ignores it on x86_64, where there is one convention.
! Handles are pointer-sized: INTEGER(C_INTPTR_T), never a default INTEGER.
MODULE Win32
  USE, INTRINSIC:: ISO_C_BINDING, ONLY: C_INT, C_INT32_T, C_INTPTR_T, C_CHAR, C_PTR
  IMPLICIT NONE
  PRIVATE
  PUBLIC:: RECT, GetModuleHandleA, LoadMenuA, SetWindowTextA, GetWindowRect, SetFocus

  TYPE, BIND(C):: RECT
    INTEGER(C_INT32_T):: left = 0, top = 0, right = 0, bottom = 0
  END TYPE

  INTERFACE
    ! The program's own module with a null name.
    INTEGER(C_INTPTR_T) FUNCTION GetModuleHandleA(sName) BIND(C, NAME='GetModuleHandleA')
      IMPORT:: C_INTPTR_T, C_PTR
      !GCC$ ATTRIBUTES STDCALL:: GetModuleHandleA
      TYPE(C_PTR), VALUE:: sName
    END FUNCTION

    ! A menu resource, named by its integer id.
    INTEGER(C_INTPTR_T) FUNCTION LoadMenuA(hModule, idMenu) BIND(C, NAME='LoadMenuA')
      IMPORT:: C_INTPTR_T
      !GCC$ ATTRIBUTES STDCALL:: LoadMenuA
      INTEGER(C_INTPTR_T), VALUE:: hModule, idMenu
    END FUNCTION

    ! sText ends with C_NULL_CHAR.
    INTEGER(C_INT) FUNCTION SetWindowTextA(hWnd, sText) BIND(C, NAME='SetWindowTextA')
      IMPORT:: C_INT, C_INTPTR_T, C_CHAR
      !GCC$ ATTRIBUTES STDCALL:: SetWindowTextA
      INTEGER(C_INTPTR_T), VALUE:: hWnd
      CHARACTER(KIND=C_CHAR), INTENT(IN):: sText(*)
    END FUNCTION

    ! The window's rectangle on the screen.
    INTEGER(C_INT) FUNCTION GetWindowRect(hWnd, r) BIND(C, NAME='GetWindowRect')
      IMPORT:: C_INT, C_INTPTR_T, RECT
      !GCC$ ATTRIBUTES STDCALL:: GetWindowRect
      INTEGER(C_INTPTR_T), VALUE:: hWnd
      TYPE(RECT), INTENT(OUT):: r
    END FUNCTION

    ! Returns the window that had the focus before.
    INTEGER(C_INTPTR_T) FUNCTION SetFocus(hWnd) BIND(C, NAME='SetFocus')
      IMPORT:: C_INTPTR_T
      !GCC$ ATTRIBUTES STDCALL:: SetFocus
      INTEGER(C_INTPTR_T), VALUE:: hWnd
    END FUNCTION
  END INTERFACE
END MODULE Win32
