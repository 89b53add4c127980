! The least of the library's modules that generated handlers need to compile.
module Velmora
  implicit none
  type V_WINDOW
    integer :: hWnd = 0
  end type
  type DIALOG
    integer :: hWnd = 0
  end type
  type V_DC
    integer :: hDC = 0
  end type
  type V_MENU
    integer :: hMenu = 0
    integer :: hOwner = 0
  end type
  type V_POINT
    integer :: x = 0
    integer :: y = 0
  end type
  integer, parameter :: MA_ACTIVATE = 1
end module Velmora

module VMLOGM
  use Velmora
end module VMLOGM
