! Calls the program's main routine, the external LOGICAL FUNCTION
! VelmoraMain(sCommandLine, nShow), for the library's process entry. Fortran
! code makes the call so that the command line reaches the routine as the
! CHARACTER argument it declares (CHARACTER(256) or CHARACTER(*)).
integer(c_int32_t) function velmora_call_main(commandLine, showCommand) &
    bind(c, name='velmora_call_main')
  use, intrinsic :: iso_c_binding, only: c_int32_t, c_char
  implicit none
  character(kind=c_char), intent(in) :: commandLine(256)
  integer(c_int32_t), intent(in) :: showCommand
  interface
    logical function VelmoraMain(sCommandLine, nShow)
      character(*), intent(in) :: sCommandLine
      integer, intent(in) :: nShow
    end function
  end interface
  character(len=256) :: line
  integer :: i
  do i = 1, 256
    line(i:i) = commandLine(i)
  end do
  velmora_call_main = merge(1, 0, VelmoraMain(line, showCommand))
end function
