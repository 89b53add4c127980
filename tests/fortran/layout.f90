! The sizes and component offsets of the modules' records, as the Fortran
! compiler lays them out, for the test to compare with the library's.
integer(c_int32_t) function fortran_record_layout(out, capacity) bind(c, name='fortran_record_layout')
  use, intrinsic :: iso_c_binding
  use VMLOGM
  implicit none
  integer(c_int32_t), value :: capacity
  integer(c_size_t), intent(out) :: out(capacity)
  type(V_WINDOW), target :: window
  type(DIALOG), target :: dlg
  type(V_DC), target :: dc
  type(V_MENU), target :: menu
  type(V_POINT), target :: point
  integer(c_size_t) :: layout(16)
  layout = [c_sizeof(window), offset(c_loc(window%defProc), c_loc(window)), &
            offset(c_loc(window%hCursor), c_loc(window)), offset(c_loc(window%msgKeys), c_loc(window)), &
            offset(c_loc(window%controls), c_loc(window)), offset(c_loc(window%scrollHeight), c_loc(window)), &
            c_sizeof(dlg), offset(c_loc(dlg%defProc), c_loc(dlg)), offset(c_loc(dlg%scrollHeight), c_loc(dlg)), &
            c_sizeof(dc), offset(c_loc(dc%winX), c_loc(dc)), offset(c_loc(dc%drawingState), c_loc(dc)), &
            c_sizeof(menu), offset(c_loc(menu%hOwner), c_loc(menu)), c_sizeof(point), &
            offset(c_loc(point%y), c_loc(point))]
  fortran_record_layout = min(size(layout), capacity)
  out(1:fortran_record_layout) = layout(1:fortran_record_layout)
contains
  integer(c_size_t) function offset(component, record)
    type(c_ptr), intent(in) :: component, record
    offset = transfer(component, 0_c_intptr_t) - transfer(record, 0_c_intptr_t)
  end function
end function
