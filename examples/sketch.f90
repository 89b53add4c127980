! Velmora Sketch: a small drawing program on the Velmora library.
!
! The frame VW_FRAME is a framework window with a menu. A tools panel sits
! at its left; the rest of the window shows a sheet, and every click of the
! left mouse button on it puts a shape there: the one chosen in the list, in
! the colour chosen in the drop-down list. The Delete key and the Undo
! button take the last shape away, Drawing > Clear takes them all. The title
! typed into the panel names the window and heads the sheet. Closing the
! window asks first when there is a drawing to lose.
!
! Every handler and callback here began as genhand's skeleton: the line
! "! genhand: ..." above it gives the options genhand was run with, and the
! routine keeps genhand's first line, declarations and END line as they
! were written (the build checks them, and the registration statements in
! VelmoraMain, against genhand).
MODULE Sketch
USE VMLOGM
USE Win32
USE, INTRINSIC:: ISO_C_BINDING, ONLY: C_INTPTR_T, C_NULL_CHAR, C_NULL_PTR
IMPLICIT NONE

! Resource ids, as in sketch.h.
INTEGER, PARAMETER:: IDI_SKETCH = 1, IDR_MENU = 100, IDM_CLEAR = 101, IDM_EXIT = 102
INTEGER, PARAMETER:: IDD_TOOLS = 200, IDC_SHAPE = 201, IDC_COLOUR = 202, IDC_TITLE = 203, &
                     IDC_UNDO = 204, IDC_COUNT = 205
INTEGER, PARAMETER:: IDD_CONFIRM = 300, IDC_QUESTION = 301

INTEGER, PARAMETER:: VK_BACK = 8

! The sheet is 400 x 300 units whatever the window's size; a shape is 32
! units across.
REAL, PARAMETER:: SHEET_WIDTH = 400.0, SHEET_HEIGHT = 300.0, HALF = 16.0
INTEGER, PARAMETER:: MARGIN = 12

! The shapes of the list and the colours of the drop-down list, in order.
INTEGER, PARAMETER:: CIRCLE = 1, SQUARE = 2, CROSS = 3
CHARACTER(8), PARAMETER:: SHAPE_NAMES(3) = [CHARACTER(8):: 'Circle', 'Square', 'Cross']
CHARACTER(8), PARAMETER:: COLOUR_NAMES(5) = [CHARACTER(8):: 'Black', 'Red', 'Green', 'Blue', &
                                                             'Orange']
! RGB values, Z'00BBGGRR'.
INTEGER, PARAMETER:: COLOURS(5) = [INT(Z'000000'), INT(Z'0000D0'), INT(Z'00A000'), &
                                   INT(Z'D00000'), INT(Z'008CFF')]
INTEGER, PARAMETER:: WHITE = INT(Z'FFFFFF'), GREY = INT(Z'A0A0A0'), GRID = INT(Z'F0E4D8'), &
                     INK = INT(Z'000000')

! The program's records, in static storage as the library requires.
TYPE(DIALOG), SAVE:: Tools, Confirm

! The drawing: shapes in sheet units, with their kind and colour index.
INTEGER, PARAMETER:: MAX_SHAPES = 200
INTEGER, SAVE:: nShapes = 0
REAL, SAVE:: rShapeX(MAX_SHAPES), rShapeY(MAX_SHAPES)
INTEGER, SAVE:: iShapeKind(MAX_SHAPES), iShapeColour(MAX_SHAPES)
CHARACTER(40), SAVE:: sTitle = ' '

! What the tools panel has chosen for the next shape.
INTEGER, SAVE:: iShape = CIRCLE, iColour = 2

! Where the sheet was last drawn, in the frame's client pixels.
INTEGER, SAVE:: iToolsWidth = 0, iSheetX = 0, iSheetY = 0, iSheetWidth = 0, iSheetHeight = 0

CONTAINS

! --- The drawing -------------------------------------------------------------

! Centres the sheet, as large as it fits, in the part of the client area
! right of the tools panel.
SUBROUTINE PlaceSheet(iWidth, iHeight)
  INTEGER, INTENT(IN):: iWidth, iHeight
  REAL:: rScale
  rScale = MIN(REAL(iWidth - iToolsWidth - 2*MARGIN) / SHEET_WIDTH, &
               REAL(iHeight - 2*MARGIN) / SHEET_HEIGHT)
  rScale = MAX(rScale, 0.0)
  iSheetWidth = NINT(SHEET_WIDTH * rScale)
  iSheetHeight = NINT(SHEET_HEIGHT * rScale)
  iSheetX = iToolsWidth + (iWidth - iToolsWidth - iSheetWidth) / 2
  iSheetY = (iHeight - iSheetHeight) / 2
END SUBROUTINE PlaceSheet

SUBROUTINE DrawShape(vDC, i)
  TYPE(V_DC), INTENT(IN):: vDC
  INTEGER, INTENT(IN):: i
  REAL:: rX, rY
  INTEGER:: iRGB
  LOGICAL:: bSt
  rX = rShapeX(i)
  rY = rShapeY(i)
  iRGB = COLOURS(iShapeColour(i))
  SELECT CASE (iShapeKind(i))
  CASE (CIRCLE)
    bSt = DcEllipse(vDC, rX - HALF, rY - HALF, rX + HALF, rY + HALF, iRGB, iRGB)
  CASE (SQUARE)
    bSt = DcRectangle(vDC, rX - HALF, rY - HALF, rX + HALF, rY + HALF, iRGB, iRGB)
  CASE (CROSS)
    bSt = DcLine(vDC, rX - HALF, rY - HALF, rX + HALF, rY + HALF, iRGB, 5)
    bSt = DcLine(vDC, rX - HALF, rY + HALF, rX + HALF, rY - HALF, iRGB, 5)
  END SELECT
END SUBROUTINE DrawShape

! The count under the tools, and a repaint of the sheet.
SUBROUTINE DrawingChanged()
  CHARACTER(20):: sCount
  LOGICAL:: bSt
  ! An internal WRITE is an I/O statement: it stays apart from the calls of
  ! the library, which may run other handlers (see the README).
  IF (nShapes == 0) THEN
    sCount = 'No shapes'
  ELSE IF (nShapes == 1) THEN
    sCount = '1 shape'
  ELSE
    WRITE (sCount, '(I0, A)') nShapes, ' shapes'
  END IF
  bSt = DlgSetString(Tools, IDC_COUNT, sCount)
  CALL WindowRedraw(VW_FRAME)
END SUBROUTINE DrawingChanged

SUBROUTINE RemoveLastShape()
  IF (nShapes == 0) RETURN
  nShapes = nShapes - 1
  CALL DrawingChanged()
END SUBROUTINE RemoveLastShape

! The title in the frame's caption and at the head of the sheet.
SUBROUTINE ShowTitle()
  CHARACTER(64):: sCaption
  LOGICAL:: bSt
  IF (LEN_TRIM(sTitle) == 0) THEN
    sCaption = 'Untitled - Velmora Sketch'
  ELSE
    sCaption = TRIM(sTitle) // ' - Velmora Sketch'
  END IF
  bSt = SetWindowTextA(VW_FRAME%hWnd, TRIM(sCaption) // C_NULL_CHAR) /= 0
  CALL WindowRedraw(VW_FRAME)
END SUBROUTINE ShowTitle

! Asks whether the drawing may go, in the dialog IDD_CONFIRM.
LOGICAL FUNCTION DiscardAgreed()
  CHARACTER(48):: sQuestion
  LOGICAL:: bSt
  IF (nShapes == 1) THEN
    sQuestion = 'Discard the drawing of 1 shape?'
  ELSE
    WRITE (sQuestion, '(A, I0, A)') 'Discard the drawing of ', nShapes, ' shapes?'
  END IF
  DiscardAgreed = .FALSE.
  IF (.NOT. DlgCreate(IDD_CONFIRM, Confirm, VW_FRAME)) RETURN
  bSt = DlgSetString(Confirm, IDC_QUESTION, sQuestion)
  ! Its buttons IDOK and IDCANCEL end the run with their ids.
  DiscardAgreed = DlgRunModal(Confirm) == IDOK
  CALL DlgDestroy(Confirm)
END FUNCTION DiscardAgreed

! --- The frame's handlers --------------------------------------------------

! genhand: --window VW_FRAME --comments --use --implicit-none --indent 2 SIZE
!VW_FRAME_OnSize is called after the window VW_FRAME is resized
LOGICAL FUNCTION VW_FRAME_OnSize(vWnd, iWidth, iHeight, nFlag)
  USE Velmora
  IMPLICIT NONE

  TYPE(V_WINDOW)::              vWnd
  INTEGER, INTENT(IN)::         iWidth, iHeight   !Dimensions of client area
  INTEGER, INTENT(IN)::         nFlag             !Type of sizing requested

  ! The sheet is centred and scaled, so all of it moves: repaint the whole
  ! window, not only what the new size uncovered (the paint handler places
  ! the sheet).
  IF (nFlag /= SIZE_MINIMIZED) CALL WindowRedraw(vWnd)
  VW_FRAME_OnSize = .FALSE.       !Return .TRUE. to prevent default processing

END FUNCTION VW_FRAME_OnSize

! genhand: --window VW_FRAME --comments --use --implicit-none --indent 2 PAINT
!VW_FRAME_OnPaint is called when (a portion of) window VW_FRAME must be redrawn
LOGICAL FUNCTION VW_FRAME_OnPaint(vWnd, vDC, iX1, iY1, iX2, iY2)
  USE Velmora
  IMPLICIT NONE

  TYPE(V_WINDOW)::              vWnd
  TYPE(V_DC), INTENT(INOUT)::   vDC                 !Device context
  INTEGER, INTENT(IN)::         iX1, iY1, iX2, iY2  !Update rectangle

  INTEGER:: i
  LOGICAL:: bSt
  ! The DC arrives mapped one unit to one pixel over the client area (the
  ! window paints through a bitmap, so the whole of it is drawn each time).
  ! The sheet is placed here, from the size the DC covers: the WM_SIZE of
  ! the window's creation came before its handlers were set.
  CALL PlaceSheet(vDC%viewWidth, vDC%viewHeight)
  bSt = DcRectangle(vDC, 0.0, 0.0, REAL(vDC%viewWidth), REAL(vDC%viewHeight), GREY, GREY)
  ! From here on the DC draws in sheet units: the viewport is the sheet's
  ! place in the window (nothing is drawn outside it), the window is the
  ! sheet's own 400 x 300.
  CALL DcSetViewport(vDC, iSheetX, iSheetY, iSheetX + iSheetWidth, iSheetY + iSheetHeight, .TRUE.)
  CALL DcSetWindow(vDC, 0.0, 0.0, SHEET_WIDTH, SHEET_HEIGHT)
  bSt = DcRectangle(vDC, 0.0, 0.0, SHEET_WIDTH, SHEET_HEIGHT, INK, WHITE)
  DO i = 1, 7
    bSt = DcLine(vDC, 50.0 * i, 1.0, 50.0 * i, SHEET_HEIGHT - 1.0, GRID)
  END DO
  DO i = 1, 5
    bSt = DcLine(vDC, 1.0, 50.0 * i, SHEET_WIDTH - 1.0, 50.0 * i, GRID)
  END DO
  DO i = 1, nShapes
    CALL DrawShape(vDC, i)
  END DO
  IF (LEN_TRIM(sTitle) > 0) bSt = DcText(vDC, 8.0, 6.0, sTitle, INK)
  VW_FRAME_OnPaint = .FALSE.   !Return .TRUE. to prevent default processing

END FUNCTION VW_FRAME_OnPaint

! genhand: --window VW_FRAME --comments --use --implicit-none --indent 2 LBUTTONDOWN
!VW_FRAME_OnLButtonDown is called when user presses left mouse button in window VW_FRAME
LOGICAL FUNCTION VW_FRAME_OnLButtonDown(vWnd, iX, iY, Msg, iKeyState)
  USE Velmora
  IMPLICIT NONE

  TYPE(V_WINDOW)::              vWnd
  INTEGER, INTENT(IN)::         iX, iY     !Mouse coordinates
  INTEGER, INTENT(IN)::         Msg        !Mouse event
  INTEGER, INTENT(IN)::         iKeyState  !State of buttons and keyboard keys

  INTEGER(C_INTPTR_T):: hPrevious
  ! A click on the sheet takes the keyboard focus from the tools panel
  ! (SetFocus answers with the window that had it).
  hPrevious = SetFocus(vWnd%hWnd)
  VW_FRAME_OnLButtonDown = .FALSE.   !Return .TRUE. to prevent default processing
  IF (iX < iSheetX .OR. iX >= iSheetX + iSheetWidth) RETURN
  IF (iY < iSheetY .OR. iY >= iSheetY + iSheetHeight) RETURN
  IF (nShapes == MAX_SHAPES) RETURN
  ! From the pixel to sheet units, the mapping of the paint turned round.
  nShapes = nShapes + 1
  rShapeX(nShapes) = REAL(iX - iSheetX) * SHEET_WIDTH / REAL(iSheetWidth)
  rShapeY(nShapes) = REAL(iY - iSheetY) * SHEET_HEIGHT / REAL(iSheetHeight)
  iShapeKind(nShapes) = iShape
  iShapeColour(nShapes) = iColour
  CALL DrawingChanged()

END FUNCTION VW_FRAME_OnLButtonDown

! genhand: --window VW_FRAME --comments --use --implicit-none --indent 2 KEYDOWN
!VW_FRAME_OnKeyDown is called when user presses a key in window VW_FRAME
LOGICAL FUNCTION VW_FRAME_OnKeyDown(vWnd, nCode, iRepeatCount, iScanCode)
  USE Velmora
  IMPLICIT NONE

  TYPE(V_WINDOW)::              vWnd
  INTEGER, INTENT(IN)::         nCode        !Virtual key-code
  INTEGER, INTENT(IN)::         iRepeatCount !Number of auto-repeat events
  INTEGER, INTENT(IN)::         iScanCode    !OEM Scan Code

  IF (nCode == VK_DELETE .OR. nCode == VK_BACK) CALL RemoveLastShape()
  VW_FRAME_OnKeyDown = .FALSE.   !Return .TRUE. to prevent generation of WM_CHAR message

END FUNCTION VW_FRAME_OnKeyDown

! genhand: --window VW_FRAME --comments --use --implicit-none --indent 2 CLOSE
!VW_FRAME_OnClose is called when user clicks X button on window VW_FRAME
LOGICAL FUNCTION VW_FRAME_OnClose(vWnd)
  USE Velmora
  IMPLICIT NONE

  TYPE(V_WINDOW)::              vWnd

  ! .FALSE. lets the window close, and the program ends with it.
  VW_FRAME_OnClose = .FALSE.       !Return .TRUE. to prevent window's destruction
  IF (nShapes > 0) VW_FRAME_OnClose = .NOT. DiscardAgreed()

END FUNCTION VW_FRAME_OnClose

! --- The menu's commands -----------------------------------------------------

! genhand: --window VW_FRAME --id IDM_CLEAR --comments --use --implicit-none --indent 2 '<Command>'
!VW_FRAME_OnClear is called when user activates command IDM_CLEAR
SUBROUTINE VW_FRAME_OnClear(vWnd, idCmd, nCode)
  USE Velmora
  IMPLICIT NONE

  TYPE(V_WINDOW)::  vWnd
  INTEGER, INTENT(IN):: idCmd !command ID
  INTEGER, INTENT(IN):: nCode !event description
  nShapes = 0
  CALL DrawingChanged()
END SUBROUTINE VW_FRAME_OnClear

! genhand: --window VW_FRAME --id IDM_EXIT --comments --use --implicit-none --indent 2 '<Command>'
!VW_FRAME_OnExit is called when user activates command IDM_EXIT
SUBROUTINE VW_FRAME_OnExit(vWnd, idCmd, nCode)
  USE Velmora
  IMPLICIT NONE

  TYPE(V_WINDOW)::  vWnd
  INTEGER, INTENT(IN):: idCmd !command ID
  INTEGER, INTENT(IN):: nCode !event description
  INTEGER:: iResult
  ! The same way out as the caption's close box, question included.
  iResult = WindowSendMessage(vWnd, WM_CLOSE, 0, 0)
END SUBROUTINE VW_FRAME_OnExit

! --- The tools panel's controls ----------------------------------------------

! genhand: --window Tools --id IDC_SHAPE --comments --use --implicit-none --indent 2 '<VMLOGM>'
!Tools_OnShape is called when user activates control IDC_SHAPE
SUBROUTINE Tools_OnShape(Dlg, idCmd, nCode)
  USE VMLOGM
  IMPLICIT NONE

  TYPE(DIALOG)::  Dlg
  INTEGER, INTENT(IN):: idCmd !command ID
  INTEGER, INTENT(IN):: nCode !event description
  LOGICAL:: bSt
  ! The list's value is its selected item, counted from 1.
  bSt = DlgGetInteger(Dlg, idCmd, iShape)
END SUBROUTINE Tools_OnShape

! genhand: --window Tools --id IDC_COLOUR --comments --use --implicit-none --indent 2 '<VMLOGM>'
!Tools_OnColour is called when user activates control IDC_COLOUR
SUBROUTINE Tools_OnColour(Dlg, idCmd, nCode)
  USE VMLOGM
  IMPLICIT NONE

  TYPE(DIALOG)::  Dlg
  INTEGER, INTENT(IN):: idCmd !command ID
  INTEGER, INTENT(IN):: nCode !event description
  LOGICAL:: bSt
  bSt = DlgGetInteger(Dlg, idCmd, iColour)
END SUBROUTINE Tools_OnColour

! genhand: --window Tools --id IDC_TITLE --comments --use --implicit-none --indent 2 '<VMLOGM>'
!Tools_OnTitle is called when user activates control IDC_TITLE
SUBROUTINE Tools_OnTitle(Dlg, idCmd, nCode)
  USE VMLOGM
  IMPLICIT NONE

  TYPE(DIALOG)::  Dlg
  INTEGER, INTENT(IN):: idCmd !command ID
  INTEGER, INTENT(IN):: nCode !event description
  ! Called for every change the user types; an empty box reads as blanks.
  IF (DlgGetString(Dlg, idCmd, sTitle)) CALL ShowTitle()
END SUBROUTINE Tools_OnTitle

! genhand: --window Tools --id IDC_UNDO --comments --use --implicit-none --indent 2 '<VMLOGM>'
!Tools_OnUndo is called when user activates control IDC_UNDO
SUBROUTINE Tools_OnUndo(Dlg, idCmd, nCode)
  USE VMLOGM
  IMPLICIT NONE

  TYPE(DIALOG)::  Dlg
  INTEGER, INTENT(IN):: idCmd !command ID
  INTEGER, INTENT(IN):: nCode !event description
  CALL RemoveLastShape()
END SUBROUTINE Tools_OnUndo

END MODULE Sketch

! The program's main routine, called by the library's process entry. The
! command line, if any, is the drawing's title. .TRUE. asks the library to
! run the message loop until the frame is closed.
LOGICAL FUNCTION VelmoraMain(sCommandLine, nShow)
  USE Sketch
  IMPLICIT NONE
  CHARACTER(*), INTENT(IN):: sCommandLine
  INTEGER, INTENT(IN):: nShow
  TYPE(V_MENU):: vMenu
  TYPE(RECT):: rTools
  INTEGER:: i
  LOGICAL:: bSt

  ! The frame, with the menu of the resources; it paints through a bitmap,
  ! so that a repaint does not flicker.
  vMenu%hMenu = LoadMenuA(GetModuleHandleA(C_NULL_PTR), INT(IDR_MENU, C_INTPTR_T))
  VelmoraMain = FrameCreate(vMenu, 'Untitled - Velmora Sketch', IDI_SKETCH, nShow, &
                            iExStyle = BUFFERED_PAINT)
  IF (.NOT. VelmoraMain) RETURN

  ! The tools panel at the frame's left; the sheet takes the rest.
  VelmoraMain = DlgCreate(IDD_TOOLS, Tools, VW_FRAME)
  IF (.NOT. VelmoraMain) RETURN
  IF (GetWindowRect(Tools%hWnd, rTools) /= 0) iToolsWidth = rTools%right - rTools%left
  DO i = 1, SIZE(SHAPE_NAMES)
    bSt = DlgSetString(Tools, IDC_SHAPE, SHAPE_NAMES(i), 0)
  END DO
  DO i = 1, SIZE(COLOUR_NAMES)
    bSt = DlgSetString(Tools, IDC_COLOUR, COLOUR_NAMES(i), 0)
  END DO
  bSt = DlgSetInteger(Tools, IDC_SHAPE, iShape, ATTR_SELECTION)
  bSt = DlgSetInteger(Tools, IDC_COLOUR, iColour, ATTR_SELECTION)
  bSt = DlgSetInteger(Tools, IDC_TITLE, LEN(sTitle), ATTR_MAXIMUM)
  sTitle = ADJUSTL(sCommandLine)
  ! (An all-blank text would put one blank into the box.)
  IF (LEN_TRIM(sTitle) > 0) bSt = DlgSetString(Tools, IDC_TITLE, sTitle)
  CALL ShowTitle()

  ! Handlers and callbacks, as genhand writes their registration.
  bSt = VSetHandler(VW_FRAME, WM_SIZE, VW_FRAME_OnSize)
  bSt = VSetHandler(VW_FRAME, WM_PAINT, VW_FRAME_OnPaint)
  bSt = VSetHandler(VW_FRAME, WM_LBUTTONDOWN, VW_FRAME_OnLButtonDown)
  bSt = VSetHandler(VW_FRAME, WM_KEYDOWN, VW_FRAME_OnKeyDown)
  bSt = VSetHandler(VW_FRAME, WM_CLOSE, VW_FRAME_OnClose)
  bSt = VSetCommand(VW_FRAME, IDM_CLEAR, VW_FRAME_OnClear)
  bSt = VSetCommand(VW_FRAME, IDM_EXIT, VW_FRAME_OnExit)
  bSt = DlgSetSub(Tools, IDC_SHAPE, Tools_OnShape)
  bSt = DlgSetSub(Tools, IDC_COLOUR, Tools_OnColour)
  bSt = DlgSetSub(Tools, IDC_TITLE, Tools_OnTitle)
  bSt = DlgSetSub(Tools, IDC_UNDO, Tools_OnUndo)
  bSt = DlgShow(Tools)
END FUNCTION VelmoraMain
