! The handlers of the Fortran decoding test: what genhand writes for each
! window message and for <Other>, with bodies that note what they receive.
! Written by write_decoding_handlers.py; checked by scripts/check-generated.py.
module DecodingHandlers
  use, intrinsic :: iso_c_binding, only: c_int32_t
  use Velmora
  implicit none
  ! The test window's record, owned here as a program owns its records.
  type(V_WINDOW), bind(c, name='fortran_test_window') :: W
contains

! genhand: --window W --use --implicit-none ACTIVATE
LOGICAL FUNCTION W_OnActivate(vWnd, nActivate, bMinimized, vWndPrevious)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         nActivate
LOGICAL, INTENT(IN)::         bMinimized
TYPE(V_WINDOW)::              vWndPrevious
CALL NoteCall(WM_ACTIVATE)
CALL Note(vWnd)
CALL Note(nActivate)
CALL Note(bMinimized)
CALL Note(vWndPrevious)
W_OnActivate = NextLogical()


END FUNCTION W_OnActivate

! genhand: --window W --use --implicit-none ACTIVATEAPP
LOGICAL FUNCTION W_OnActivateApp(vWnd, bActivate)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
LOGICAL, INTENT(IN)::         bActivate
CALL NoteCall(WM_ACTIVATEAPP)
CALL Note(vWnd)
CALL Note(bActivate)
W_OnActivateApp = NextLogical()


END FUNCTION W_OnActivateApp

! genhand: --window W --use --implicit-none CAPTURECHANGED
LOGICAL FUNCTION W_OnCaptureChanged(vWnd, vWndGainCapture)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
TYPE(V_WINDOW)::              vWndGainCapture
CALL NoteCall(WM_CAPTURECHANGED)
CALL Note(vWnd)
CALL Note(vWndGainCapture)
W_OnCaptureChanged = NextLogical()


END FUNCTION W_OnCaptureChanged

! genhand: --window W --use --implicit-none CHAR
LOGICAL FUNCTION W_OnChar(vWnd, nCode, bPressed, bAlt)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         nCode
LOGICAL, INTENT(IN)::         bPressed, bAlt
CALL NoteCall(WM_CHAR)
CALL Note(vWnd)
CALL Note(nCode)
CALL Note(bPressed)
CALL Note(bAlt)
W_OnChar = NextLogical()


END FUNCTION W_OnChar

! genhand: --window W --use --implicit-none CHILDACTIVATE
LOGICAL FUNCTION W_OnChildActivate(vWnd)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
CALL NoteCall(WM_CHILDACTIVATE)
CALL Note(vWnd)
W_OnChildActivate = NextLogical()


END FUNCTION W_OnChildactivate

! genhand: --window W --use --implicit-none CLOSE
LOGICAL FUNCTION W_OnClose(vWnd)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
CALL NoteCall(WM_CLOSE)
CALL Note(vWnd)
W_OnClose = NextLogical()


END FUNCTION W_OnClose

! genhand: --window W --use --implicit-none CONTEXTMENU
LOGICAL FUNCTION W_OnContextMenu(vWnd, iX, iY)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
CALL NoteCall(WM_CONTEXTMENU)
CALL Note(vWnd)
CALL Note(iX)
CALL Note(iY)
W_OnContextMenu = NextLogical()


END FUNCTION W_OnContextMenu

! genhand: --window W --use --implicit-none CREATE
LOGICAL FUNCTION W_OnCreate(vWnd)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
CALL NoteCall(WM_CREATE)
CALL Note(vWnd)
W_OnCreate = NextLogical()


END FUNCTION W_OnCreate

! genhand: --window W --use --implicit-none DEADCHAR
LOGICAL FUNCTION W_OnDeadChar(vWnd, nCode, bPressed, bAlt)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         nCode
LOGICAL, INTENT(IN)::         bPressed, bAlt
CALL NoteCall(WM_DEADCHAR)
CALL Note(vWnd)
CALL Note(nCode)
CALL Note(bPressed)
CALL Note(bAlt)
W_OnDeadChar = NextLogical()


END FUNCTION W_OnDeadchar

! genhand: --window W --use --implicit-none DESTROY
LOGICAL FUNCTION W_OnDestroy(vWnd)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::           vWnd
CALL NoteCall(WM_DESTROY)
CALL Note(vWnd)
W_OnDestroy = NextLogical()


END FUNCTION W_OnDestroy

! genhand: --window W --use --implicit-none DISPLAYCHANGE
LOGICAL FUNCTION W_OnDisplayChange(vWnd, nBitsPerPel, iX, iY)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         nBitsPerPel
INTEGER, INTENT(IN)::         iX, iY
CALL NoteCall(WM_DISPLAYCHANGE)
CALL Note(vWnd)
CALL Note(nBitsPerPel)
CALL Note(iX)
CALL Note(iY)
W_OnDisplayChange = NextLogical()


END FUNCTION W_OnDisplayChange

! genhand: --window W --use --implicit-none DROPFILES
LOGICAL FUNCTION W_OnDropFiles(vWnd, sFile)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
CHARACTER(*), INTENT(IN)::    sFile(:)
CALL NoteCall(WM_DROPFILES)
CALL Note(vWnd)
CALL Note(sFile)
W_OnDropFiles = NextLogical()


END FUNCTION W_OnDropFiles

! genhand: --window W --use --implicit-none ENABLE
LOGICAL FUNCTION W_OnEnable(vWnd, bEnable)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
LOGICAL, INTENT(IN)::         bEnable
CALL NoteCall(WM_ENABLE)
CALL Note(vWnd)
CALL Note(bEnable)
W_OnEnable = NextLogical()


END FUNCTION W_OnEnable

! genhand: --window W --use --implicit-none ENDSESSION
LOGICAL FUNCTION W_OnEndSession(vWnd, bEnd)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
LOGICAL, INTENT(IN)::         bEnd
CALL NoteCall(WM_ENDSESSION)
CALL Note(vWnd)
CALL Note(bEnd)
W_OnEndSession = NextLogical()


END FUNCTION W_OnEndSession

! genhand: --window W --use --implicit-none ENTERMENULOOP
LOGICAL FUNCTION W_OnEnterMenuLoop(vWnd, bPopup)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
LOGICAL, INTENT(IN)::         bPopup
CALL NoteCall(WM_ENTERMENULOOP)
CALL Note(vWnd)
CALL Note(bPopup)
W_OnEnterMenuLoop = NextLogical()


END FUNCTION W_OnEnterMenuLoop

! genhand: --window W --use --implicit-none ERASEBKGND
LOGICAL FUNCTION W_OnEraseBkGnd(vWnd, vDC)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
TYPE(V_DC), INTENT(IN)::      vDC
CALL NoteCall(WM_ERASEBKGND)
CALL Note(vWnd)
CALL Note(vDC)
W_OnEraseBkGnd = NextLogical()


END FUNCTION W_OnEraseBkGnd

! genhand: --window W --use --implicit-none EXITMENULOOP
LOGICAL FUNCTION W_OnExitMenuLoop(vWnd, bPopup)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
LOGICAL, INTENT(IN)::         bPopup
CALL NoteCall(WM_EXITMENULOOP)
CALL Note(vWnd)
CALL Note(bPopup)
W_OnExitMenuLoop = NextLogical()


END FUNCTION W_OnExitMenuLoop

! genhand: --window W --use --implicit-none GETMINMAXINFO
LOGICAL FUNCTION W_OnGetMinMaxInfo(vWnd, vSizeMax, vMaxPos, vMinSize, vMaxSize)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::                 vWnd
TYPE(V_POINT), INTENT(INOUT)::   vSizeMax
TYPE(V_POINT), INTENT(INOUT)::   vMaxPos
TYPE(V_POINT), INTENT(INOUT)::   vMinSize
TYPE(V_POINT), INTENT(INOUT)::   vMaxSize
CALL NoteCall(WM_GETMINMAXINFO)
CALL Note(vWnd)
CALL Note(vSizeMax)
CALL Note(vMaxPos)
CALL Note(vMinSize)
CALL Note(vMaxSize)
CALL Change(vSizeMax)
CALL Change(vMaxPos)
CALL Change(vMinSize)
CALL Change(vMaxSize)
W_OnGetMinMaxInfo = NextLogical()


END FUNCTION W_OnGetMinMaxInfo

! genhand: --window W --use --implicit-none HELP
LOGICAL FUNCTION W_OnHelp(vWnd, bMenu, ID)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
LOGICAL, INTENT(IN)::         bMenu
INTEGER, INTENT(IN)::         ID
CALL NoteCall(WM_HELP)
CALL Note(vWnd)
CALL Note(bMenu)
CALL Note(ID)
CALL NoteAddress(LOC(ID))
W_OnHelp = NextLogical()


END FUNCTION W_OnHelp

! genhand: --window W --use --implicit-none HOTKEY
LOGICAL FUNCTION W_OnHotkey(vWnd, IDKey)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         IDKey
CALL NoteCall(WM_HOTKEY)
CALL Note(vWnd)
CALL Note(IDKey)
W_OnHotkey = NextLogical()


END FUNCTION W_OnHotkey

! genhand: --window W --use --implicit-none HSCROLL
LOGICAL FUNCTION W_OnHScroll(vWnd, nFlag, nScrollCode, iPos)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         nFlag
INTEGER, INTENT(IN)::         nScrollCode
INTEGER, INTENT(IN)::         iPos
CALL NoteCall(WM_HSCROLL)
CALL Note(vWnd)
CALL Note(nFlag)
CALL Note(nScrollCode)
CALL Note(iPos)
W_OnHScroll = NextLogical()


END FUNCTION W_OnHScroll

! genhand: --window W --use --implicit-none INITDIALOG
LOGICAL FUNCTION W_OnInitDialog(vWnd, ID, iEvent)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         ID, iEvent
CALL NoteCall(WM_INITDIALOG)
CALL Note(vWnd)
CALL Note(ID)
CALL Note(iEvent)
W_OnInitDialog = NextLogical()


END FUNCTION W_OnInitDialog

! genhand: --window W --use --implicit-none INITMENU
LOGICAL FUNCTION W_OnInitMenu(vWnd, vMenu)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
TYPE(V_MENU), INTENT(IN)::    vMenu
CALL NoteCall(WM_INITMENU)
CALL Note(vWnd)
CALL Note(vMenu)
W_OnInitMenu = NextLogical()


END FUNCTION W_OnInitMenu

! genhand: --window W --use --implicit-none INITMENUPOPUP
LOGICAL FUNCTION W_OnInitMenuPopup(vWnd, vMenu, bSystemMenu)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
TYPE(V_MENU), INTENT(IN)::    vMenu
LOGICAL, INTENT(IN)::         bSystemMenu
CALL NoteCall(WM_INITMENUPOPUP)
CALL Note(vWnd)
CALL Note(vMenu)
CALL Note(bSystemMenu)
W_OnInitMenuPopup = NextLogical()


END FUNCTION W_OnInitMenuPopup

! genhand: --window W --use --implicit-none KEYDOWN
LOGICAL FUNCTION W_OnKeyDown(vWnd, nCode, iRepeatCount, iScanCode)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         nCode
INTEGER, INTENT(IN)::         iRepeatCount
INTEGER, INTENT(IN)::         iScanCode
CALL NoteCall(WM_KEYDOWN)
CALL Note(vWnd)
CALL Note(nCode)
CALL Note(iRepeatCount)
CALL Note(iScanCode)
W_OnKeyDown = NextLogical()


END FUNCTION W_OnKeyDown

! genhand: --window W --use --implicit-none KEYUP
LOGICAL FUNCTION W_OnKeyUp(vWnd, nCode, iRepeatCount, iScanCode)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         nCode
INTEGER, INTENT(IN)::         iRepeatCount
INTEGER, INTENT(IN)::         iScanCode
CALL NoteCall(WM_KEYUP)
CALL Note(vWnd)
CALL Note(nCode)
CALL Note(iRepeatCount)
CALL Note(iScanCode)
W_OnKeyUp = NextLogical()


END FUNCTION W_OnKeyUp

! genhand: --window W --use --implicit-none KILLFOCUS
LOGICAL FUNCTION W_OnKillFocus(vWnd, vWndFocus)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
TYPE(V_WINDOW)::              vWndFocus
CALL NoteCall(WM_KILLFOCUS)
CALL Note(vWnd)
CALL Note(vWndFocus)
W_OnKillFocus = NextLogical()


END FUNCTION W_OnKillFocus

! genhand: --window W --use --implicit-none LBUTTONDBLCLK
LOGICAL FUNCTION W_OnLButtonDblClk(vWnd, iX, iY, Msg, iKeyState)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         Msg
INTEGER, INTENT(IN)::         iKeyState
CALL NoteCall(WM_LBUTTONDBLCLK)
CALL Note(vWnd)
CALL Note(iX)
CALL Note(iY)
CALL Note(Msg)
CALL Note(iKeyState)
W_OnLButtonDblClk = NextLogical()


END FUNCTION W_OnLButtonDblClk

! genhand: --window W --use --implicit-none LBUTTONDOWN
LOGICAL FUNCTION W_OnLButtonDown(vWnd, iX, iY, Msg, iKeyState)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         Msg
INTEGER, INTENT(IN)::         iKeyState
CALL NoteCall(WM_LBUTTONDOWN)
CALL Note(vWnd)
CALL Note(iX)
CALL Note(iY)
CALL Note(Msg)
CALL Note(iKeyState)
W_OnLButtonDown = NextLogical()


END FUNCTION W_OnLButtonDown

! genhand: --window W --use --implicit-none LBUTTONUP
LOGICAL FUNCTION W_OnLButtonUp(vWnd, iX, iY, Msg, iKeyState)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         Msg
INTEGER, INTENT(IN)::         iKeyState
CALL NoteCall(WM_LBUTTONUP)
CALL Note(vWnd)
CALL Note(iX)
CALL Note(iY)
CALL Note(Msg)
CALL Note(iKeyState)
W_OnLButtonUp = NextLogical()


END FUNCTION W_OnLButtonUp

! genhand: --window W --use --implicit-none MDIACTIVATE
LOGICAL FUNCTION W_OnMdiActivate(vWnd, vWndDeact)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
TYPE(V_WINDOW)::              vWndDeact
CALL NoteCall(WM_MDIACTIVATE)
CALL Note(vWnd)
CALL Note(vWndDeact)
W_OnMdiActivate = NextLogical()


END FUNCTION W_OnMdiActivate

! genhand: --window W --use --implicit-none MDIDESTROY
LOGICAL FUNCTION W_OnMdiDestroy(vWnd, vWndDestroy)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
TYPE(V_WINDOW)::              vWndDestroy
CALL NoteCall(WM_MDIDESTROY)
CALL Note(vWnd)
CALL Note(vWndDestroy)
W_OnMdiDestroy = NextLogical()


END FUNCTION W_OnMdiDestroy

! genhand: --window W --use --implicit-none MOUSEACTIVATE
INTEGER FUNCTION W_OnMouseActivate(vWnd, nHitTest)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         nHitTest
CALL NoteCall(WM_MOUSEACTIVATE)
CALL Note(vWnd)
CALL Note(nHitTest)
W_OnMouseActivate = NextInteger()


END FUNCTION W_OnMouseActivate

! genhand: --window W --use --implicit-none MOUSEWHEEL
LOGICAL FUNCTION W_OnMouseWheel(vWnd, nDelta, iX, iY, iKeyState)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         nDelta
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         iKeyState
CALL NoteCall(WM_MOUSEWHEEL)
CALL Note(vWnd)
CALL Note(nDelta)
CALL Note(iX)
CALL Note(iY)
CALL Note(iKeyState)
W_OnMouseWheel = NextLogical()


END FUNCTION W_OnMouseWheel

! genhand: --window W --use --implicit-none MOUSEMOVE
LOGICAL FUNCTION W_OnMouseMove(vWnd, iX, iY, Msg, iKeyState)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         Msg
INTEGER, INTENT(IN)::         iKeyState
CALL NoteCall(WM_MOUSEMOVE)
CALL Note(vWnd)
CALL Note(iX)
CALL Note(iY)
CALL Note(Msg)
CALL Note(iKeyState)
W_OnMouseMove = NextLogical()


END FUNCTION W_OnMouseMove

! genhand: --window W --use --implicit-none MOVE
LOGICAL FUNCTION W_OnMove(vWnd, iX, iY)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
CALL NoteCall(WM_MOVE)
CALL Note(vWnd)
CALL Note(iX)
CALL Note(iY)
W_OnMove = NextLogical()


END FUNCTION W_OnMove

! genhand: --window W --use --implicit-none NCACTIVATE
LOGICAL FUNCTION W_OnNCActivate(vWnd, bActivate)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
LOGICAL, INTENT(IN)::         bActivate
CALL NoteCall(WM_NCACTIVATE)
CALL Note(vWnd)
CALL Note(bActivate)
W_OnNCActivate = NextLogical()


END FUNCTION W_OnNCActivate

! genhand: --window W --use --implicit-none NCDESTROY
LOGICAL FUNCTION W_OnNCDestroy(vWnd)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
CALL NoteCall(WM_NCDESTROY)
CALL Note(vWnd)
W_OnNCDestroy = NextLogical()


END FUNCTION W_OnNCDestroy

! genhand: --window W --use --implicit-none NCHITTEST
INTEGER FUNCTION W_OnNCHitTest(vWnd, iX, iY, nWhere)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         nWhere
CALL NoteCall(WM_NCHITTEST)
CALL Note(vWnd)
CALL Note(iX)
CALL Note(iY)
CALL Note(nWhere)
W_OnNCHitTest = NextInteger()


END FUNCTION W_OnNCHitTest

! genhand: --window W --use --implicit-none NCLBUTTONDBLCLK
LOGICAL FUNCTION W_OnNCLButtonDblClk(vWnd, iX, iY, nWhere)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         nWhere
CALL NoteCall(WM_NCLBUTTONDBLCLK)
CALL Note(vWnd)
CALL Note(iX)
CALL Note(iY)
CALL Note(nWhere)
W_OnNCLButtonDblClk = NextLogical()


END FUNCTION W_OnNCLButtonDblClk

! genhand: --window W --use --implicit-none NCLBUTTONDOWN
LOGICAL FUNCTION W_OnNCLButtonDown(vWnd, iX, iY, nWhere)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         nWhere
CALL NoteCall(WM_NCLBUTTONDOWN)
CALL Note(vWnd)
CALL Note(iX)
CALL Note(iY)
CALL Note(nWhere)
W_OnNCLButtonDown = NextLogical()


END FUNCTION W_OnNCLButtonDown

! genhand: --window W --use --implicit-none NCLBUTTONUP
LOGICAL FUNCTION W_OnNCLButtonUp(vWnd, iX, iY, nWhere)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         nWhere
CALL NoteCall(WM_NCLBUTTONUP)
CALL Note(vWnd)
CALL Note(iX)
CALL Note(iY)
CALL Note(nWhere)
W_OnNCLButtonUp = NextLogical()


END FUNCTION W_OnNCLButtonUp

! genhand: --window W --use --implicit-none NCMOUSEMOVE
LOGICAL FUNCTION W_OnNCMouseMove(vWnd, iX, iY, nWhere)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         nWhere
CALL NoteCall(WM_NCMOUSEMOVE)
CALL Note(vWnd)
CALL Note(iX)
CALL Note(iY)
CALL Note(nWhere)
W_OnNCMouseMove = NextLogical()


END FUNCTION W_OnNCMouseMove

! genhand: --window W --use --implicit-none NCRBUTTONDBLCLK
LOGICAL FUNCTION W_OnNCRButtonDblClk(vWnd, iX, iY, nWhere)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         nWhere
CALL NoteCall(WM_NCRBUTTONDBLCLK)
CALL Note(vWnd)
CALL Note(iX)
CALL Note(iY)
CALL Note(nWhere)
W_OnNCRButtonDblClk = NextLogical()


END FUNCTION W_OnNCRButtonDblClk

! genhand: --window W --use --implicit-none NCRBUTTONDOWN
LOGICAL FUNCTION W_OnNCRButtonDown(vWnd, iX, iY, nWhere)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         nWhere
CALL NoteCall(WM_NCRBUTTONDOWN)
CALL Note(vWnd)
CALL Note(iX)
CALL Note(iY)
CALL Note(nWhere)
W_OnNCRButtonDown = NextLogical()


END FUNCTION W_OnNCRButtonDown

! genhand: --window W --use --implicit-none NCRBUTTONUP
LOGICAL FUNCTION W_OnNCRButtonUp(vWnd, iX, iY, nWhere)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         nWhere
CALL NoteCall(WM_NCRBUTTONUP)
CALL Note(vWnd)
CALL Note(iX)
CALL Note(iY)
CALL Note(nWhere)
W_OnNCRButtonUp = NextLogical()


END FUNCTION W_OnNCRButtonUp

! genhand: --window W --use --implicit-none PAINT
LOGICAL FUNCTION W_OnPaint(vWnd, vDC, iX1, iY1, iX2, iY2)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
TYPE(V_DC), INTENT(INOUT)::   vDC
INTEGER, INTENT(IN)::         iX1, iY1, iX2, iY2
CALL NoteCall(WM_PAINT)
CALL Note(vWnd)
CALL Note(vDC)
CALL Note(iX1)
CALL Note(iY1)
CALL Note(iX2)
CALL Note(iY2)
W_OnPaint = NextLogical()


END FUNCTION W_OnPaint

! genhand: --window W --use --implicit-none QUERYENDSESSION
LOGICAL FUNCTION W_OnQueryEndSession(vWnd, bLogOff)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::        vWnd
LOGICAL, INTENT(IN)::   bLogOff
CALL NoteCall(WM_QUERYENDSESSION)
CALL Note(vWnd)
CALL Note(bLogOff)
W_OnQueryEndSession = NextLogical()


END FUNCTION W_OnQueryEndSession

! genhand: --window W --use --implicit-none RBUTTONDOWN
LOGICAL FUNCTION W_OnRButtonDown(vWnd, iX, iY, Msg, iKeyState)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         Msg
INTEGER, INTENT(IN)::         iKeyState
CALL NoteCall(WM_RBUTTONDOWN)
CALL Note(vWnd)
CALL Note(iX)
CALL Note(iY)
CALL Note(Msg)
CALL Note(iKeyState)
W_OnRButtonDown = NextLogical()


END FUNCTION W_OnRButtonDown

! genhand: --window W --use --implicit-none RBUTTONUP
LOGICAL FUNCTION W_OnRButtonUp(vWnd, iX, iY, Msg, iKeyState)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         Msg
INTEGER, INTENT(IN)::         iKeyState
CALL NoteCall(WM_RBUTTONUP)
CALL Note(vWnd)
CALL Note(iX)
CALL Note(iY)
CALL Note(Msg)
CALL Note(iKeyState)
W_OnRButtonUp = NextLogical()


END FUNCTION W_OnRButtonUp

! genhand: --window W --use --implicit-none SETCURSOR
LOGICAL FUNCTION W_OnSetCursor(vWnd, nWhere, iMsg)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         nWhere
INTEGER, INTENT(IN)::         iMsg
CALL NoteCall(WM_SETCURSOR)
CALL Note(vWnd)
CALL Note(nWhere)
CALL Note(iMsg)
W_OnSetCursor = NextLogical()


END FUNCTION W_OnSetCursor

! genhand: --window W --use --implicit-none SETFOCUS
LOGICAL FUNCTION W_OnSetFocus(vWnd, vWndLose)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
TYPE(V_WINDOW)::              vWndLose
CALL NoteCall(WM_SETFOCUS)
CALL Note(vWnd)
CALL Note(vWndLose)
W_OnSetFocus = NextLogical()


END FUNCTION W_OnSetFocus

! genhand: --window W --use --implicit-none SIZE
LOGICAL FUNCTION W_OnSize(vWnd, iWidth, iHeight, nFlag)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iWidth, iHeight
INTEGER, INTENT(IN)::         nFlag
CALL NoteCall(WM_SIZE)
CALL Note(vWnd)
CALL Note(iWidth)
CALL Note(iHeight)
CALL Note(nFlag)
W_OnSize = NextLogical()


END FUNCTION W_OnSize

! genhand: --window W --use --implicit-none SYSCOLORCHANGE
LOGICAL FUNCTION W_OnSysColorChange(vWnd)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
CALL NoteCall(WM_SYSCOLORCHANGE)
CALL Note(vWnd)
W_OnSysColorChange = NextLogical()


END FUNCTION W_OnSysColorChange

! genhand: --window W --use --implicit-none SYSCOMMAND
LOGICAL FUNCTION W_OnSysCommand(vWnd, nCommand)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         nCommand
CALL NoteCall(WM_SYSCOMMAND)
CALL Note(vWnd)
CALL Note(nCommand)
W_OnSysCommand = NextLogical()


END FUNCTION W_OnSysCommand

! genhand: --window W --use --implicit-none TIMECHANGE
LOGICAL FUNCTION W_OnTimeChange(vWnd)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
CALL NoteCall(WM_TIMECHANGE)
CALL Note(vWnd)
W_OnTimeChange = NextLogical()


END FUNCTION W_OnTimeChange

! genhand: --window W --use --implicit-none TIMER
LOGICAL FUNCTION W_OnTimer(vWnd, idTimer)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         idTimer
CALL NoteCall(WM_TIMER)
CALL Note(vWnd)
CALL Note(idTimer)
W_OnTimer = NextLogical()


END FUNCTION W_OnTimer

! genhand: --window W --use --implicit-none VSCROLL
LOGICAL FUNCTION W_OnVScroll(vWnd, nFlag, nScrollCode, iPos)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         nFlag
INTEGER, INTENT(IN)::         nScrollCode
INTEGER, INTENT(IN)::         iPos
CALL NoteCall(WM_VSCROLL)
CALL Note(vWnd)
CALL Note(nFlag)
CALL Note(nScrollCode)
CALL Note(iPos)
W_OnVScroll = NextLogical()


END FUNCTION W_OnVScroll

! genhand: --window W --use --implicit-none WINDOWPOSCHANGED
LOGICAL FUNCTION W_OnWindowPosChanged(vWnd, iX, iY, iWidth, iHeight, nFlags)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         iWidth, iHeight
INTEGER, INTENT(IN)::         nFlags
CALL NoteCall(WM_WINDOWPOSCHANGED)
CALL Note(vWnd)
CALL Note(iX)
CALL NoteAddress(LOC(iX))
CALL Note(iY)
CALL NoteAddress(LOC(iY))
CALL Note(iWidth)
CALL NoteAddress(LOC(iWidth))
CALL Note(iHeight)
CALL NoteAddress(LOC(iHeight))
CALL Note(nFlags)
CALL NoteAddress(LOC(nFlags))
W_OnWindowPosChanged = NextLogical()


END FUNCTION W_OnWindowPosChanged

! genhand: --window W --use --implicit-none WINDOWPOSCHANGING
LOGICAL FUNCTION W_OnWindowPosChanging(vWnd, iX, iY, iWidth, iHeight, nFlags)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         iX, iY
INTEGER, INTENT(IN)::         iWidth, iHeight
INTEGER, INTENT(IN)::         nFlags
CALL NoteCall(WM_WINDOWPOSCHANGING)
CALL Note(vWnd)
CALL Note(iX)
CALL NoteAddress(LOC(iX))
CALL Note(iY)
CALL NoteAddress(LOC(iY))
CALL Note(iWidth)
CALL NoteAddress(LOC(iWidth))
CALL Note(iHeight)
CALL NoteAddress(LOC(iHeight))
CALL Note(nFlags)
CALL NoteAddress(LOC(nFlags))
W_OnWindowPosChanging = NextLogical()


END FUNCTION W_OnWindowPosChanging

! genhand: --window W --use --implicit-none --id WM_APP <Other>
LOGICAL FUNCTION W_OnApp(vWnd, Msg, wParam, lParam)
USE Velmora
USE Recorder
IMPLICIT NONE

TYPE(V_WINDOW)::              vWnd
INTEGER, INTENT(IN)::         Msg,wParam,lParam
CALL NoteCall(Msg)
CALL Note(vWnd)
CALL Note(Msg)
CALL Note(wParam)
CALL Note(lParam)
W_OnApp = NextLogical()


END FUNCTION W_OnApp

! Registers every handler above; returns how many registrations succeeded.
integer(c_int32_t) function register_fortran_handlers() bind(c, name='register_fortran_handlers')
  logical :: bSt
  register_fortran_handlers = 0
  bSt = VSetHandler(W, WM_ACTIVATE, W_OnActivate)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_ACTIVATEAPP, W_OnActivateApp)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_CAPTURECHANGED, W_OnCaptureChanged)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_CHAR, W_OnChar)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_CHILDACTIVATE, W_OnChildactivate)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_CLOSE, W_OnClose)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_CONTEXTMENU, W_OnContextMenu)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_CREATE, W_OnCreate)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_DEADCHAR, W_OnDeadchar)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_DESTROY, W_OnDestroy)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_DISPLAYCHANGE, W_OnDisplayChange)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_DROPFILES, W_OnDropFiles)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_ENABLE, W_OnEnable)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_ENDSESSION, W_OnEndSession)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_ENTERMENULOOP, W_OnEnterMenuLoop)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_ERASEBKGND, W_OnEraseBkGnd)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_EXITMENULOOP, W_OnExitMenuLoop)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_GETMINMAXINFO, W_OnGetMinMaxInfo)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_HELP, W_OnHelp)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_HOTKEY, W_OnHotkey)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_HSCROLL, W_OnHScroll)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_INITDIALOG, W_OnInitDialog)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_INITMENU, W_OnInitMenu)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_INITMENUPOPUP, W_OnInitMenuPopup)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_KEYDOWN, W_OnKeyDown)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_KEYUP, W_OnKeyUp)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_KILLFOCUS, W_OnKillFocus)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_LBUTTONDBLCLK, W_OnLButtonDblClk)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_LBUTTONDOWN, W_OnLButtonDown)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_LBUTTONUP, W_OnLButtonUp)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_MDIACTIVATE, W_OnMdiActivate)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_MDIDESTROY, W_OnMdiDestroy)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_MOUSEACTIVATE, W_OnMouseActivate)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_MOUSEWHEEL, W_OnMouseWheel)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_MOUSEMOVE, W_OnMouseMove)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_MOVE, W_OnMove)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_NCACTIVATE, W_OnNCActivate)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_NCDESTROY, W_OnNCDestroy)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_NCHITTEST, W_OnNCHitTest)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_NCLBUTTONDBLCLK, W_OnNCLButtonDblClk)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_NCLBUTTONDOWN, W_OnNCLButtonDown)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_NCLBUTTONUP, W_OnNCLButtonUp)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_NCMOUSEMOVE, W_OnNCMouseMove)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_NCRBUTTONDBLCLK, W_OnNCRButtonDblClk)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_NCRBUTTONDOWN, W_OnNCRButtonDown)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_NCRBUTTONUP, W_OnNCRButtonUp)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_PAINT, W_OnPaint)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_QUERYENDSESSION, W_OnQueryEndSession)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_RBUTTONDOWN, W_OnRButtonDown)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_RBUTTONUP, W_OnRButtonUp)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_SETCURSOR, W_OnSetCursor)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_SETFOCUS, W_OnSetFocus)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_SIZE, W_OnSize)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_SYSCOLORCHANGE, W_OnSysColorChange)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_SYSCOMMAND, W_OnSysCommand)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_TIMECHANGE, W_OnTimeChange)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_TIMER, W_OnTimer)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_VSCROLL, W_OnVScroll)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_WINDOWPOSCHANGED, W_OnWindowPosChanged)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_WINDOWPOSCHANGING, W_OnWindowPosChanging)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
  bSt = VSetHandler(W, WM_APP, W_OnApp)
  if (bSt) register_fortran_handlers = register_fortran_handlers + 1
end function

end module DecodingHandlers
