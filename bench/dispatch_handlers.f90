! The Fortran handler of the dispatch benchmark, as genhand writes it.
! genhand: --window B --use --implicit-none MOVE
LOGICAL FUNCTION B_OnMove(vWnd, iX, iY)
USE Velmora
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY

B_OnMove = iX > iY .AND. vWnd%hWnd /= 0

END FUNCTION B_OnMove
