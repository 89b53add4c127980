! What the Fortran handlers of the decoding test received, for the C++ side
! of the test to read: per call the message and every argument as the
! handler saw it, and what the handlers are to return next.
module Recorder
  use, intrinsic :: iso_c_binding
  use Velmora
  implicit none
  private
  public :: NoteCall, Note, NoteAddress, Change, NextLogical, NextInteger

  integer, parameter :: kMaxValues = 64, kMaxFiles = 8
  integer(c_intptr_t) :: values(kMaxValues)
  integer :: valueCount = 0, calls = 0
  character(len=DROP_NAME_LENGTH) :: files(kMaxFiles)
  integer :: fileCount = 0
  logical :: logicalResult = .true.
  integer :: integerResult = 0

  interface Note
    module procedure NoteInteger, NoteLogical, NoteWindow, NotePoint, NoteDc, NoteMenu, NoteFiles
  end interface

contains

  subroutine Add(value)
    integer(c_intptr_t), intent(in) :: value
    if (valueCount < kMaxValues) then
      valueCount = valueCount + 1
      values(valueCount) = value
    end if
  end subroutine

  ! The first value of a call: the message its handler was written for.
  subroutine NoteCall(message)
    integer, intent(in) :: message
    calls = calls + 1
    call Add(int(message, c_intptr_t))
  end subroutine

  subroutine NoteInteger(value)
    integer, intent(in) :: value
    call Add(int(value, c_intptr_t))
  end subroutine

  ! A LOGICAL as the bits the library built (1 or 0).
  subroutine NoteLogical(value)
    logical, intent(in) :: value
    call Add(int(transfer(value, 0), c_intptr_t))
  end subroutine

  subroutine NoteWindow(window)
    type(V_WINDOW), intent(in) :: window
    call Add(window%hWnd)
  end subroutine

  subroutine NotePoint(point)
    type(V_POINT), intent(in) :: point
    call Add(int(point%x, c_intptr_t))
    call Add(int(point%y, c_intptr_t))
  end subroutine

  ! A drawing context: whether it has a DC, its viewport and its window.
  subroutine NoteDc(dc)
    type(V_DC), intent(in) :: dc
    call Add(merge(1_c_intptr_t, 0_c_intptr_t, dc%hDC /= 0))
    call Add(int(dc%viewX, c_intptr_t))
    call Add(int(dc%viewY, c_intptr_t))
    call Add(int(dc%viewWidth, c_intptr_t))
    call Add(int(dc%viewHeight, c_intptr_t))
    call Add(int(nint(dc%winWidth), c_intptr_t))
    call Add(int(nint(dc%winHeight), c_intptr_t))
  end subroutine

  subroutine NoteMenu(menu)
    type(V_MENU), intent(in) :: menu
    call Add(menu%hMenu)
    call Add(menu%hOwner)
  end subroutine

  ! Dropped names: their count and length; the names themselves are kept.
  subroutine NoteFiles(names)
    character(*), intent(in) :: names(:)
    integer :: i
    call Add(int(size(names), c_intptr_t))
    call Add(int(len(names), c_intptr_t))
    fileCount = min(size(names), kMaxFiles)
    do i = 1, fileCount
      files(i) = names(i)
    end do
  end subroutine

  ! An argument's address, for arguments that must lie in the message's own
  ! structure.
  subroutine NoteAddress(address)
    integer(c_intptr_t), intent(in) :: address
    call Add(address)
  end subroutine

  ! Changes an in-place point, so that the test sees it reach the system.
  subroutine Change(point)
    type(V_POINT), intent(inout) :: point
    point%x = point%x + 1000
    point%y = point%y + 2000
  end subroutine

  logical function NextLogical()
    NextLogical = logicalResult
  end function

  integer function NextInteger()
    NextInteger = integerResult
  end function

  ! --- Read by the C++ side ----------------------------------------------------

  subroutine recorder_reset(nextLogical, nextInteger) bind(c, name='recorder_reset')
    integer(c_int32_t), value :: nextLogical, nextInteger
    logicalResult = nextLogical /= 0
    integerResult = nextInteger
    valueCount = 0
    calls = 0
    fileCount = 0
  end subroutine

  integer(c_int32_t) function recorder_calls() bind(c, name='recorder_calls')
    recorder_calls = calls
  end function

  integer(c_int32_t) function recorder_values(out, capacity) bind(c, name='recorder_values')
    integer(c_int32_t), value :: capacity
    integer(c_intptr_t), intent(out) :: out(capacity)
    recorder_values = min(valueCount, capacity)
    out(1:recorder_values) = values(1:recorder_values)
  end function

  ! Dropped name `n` (from 1), as its DROP_NAME_LENGTH characters.
  subroutine recorder_file(n, out) bind(c, name='recorder_file')
    integer(c_int32_t), value :: n
    character(kind=c_char), intent(out) :: out(DROP_NAME_LENGTH)
    integer :: i
    out = ' '
    if (n < 1 .or. n > fileCount) return
    do i = 1, DROP_NAME_LENGTH
      out(i) = files(n)(i:i)
    end do
  end subroutine

end module Recorder
