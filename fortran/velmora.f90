! The Velmora module: the window framework for Fortran programs.
!
! Records (V_WINDOW, V_DC, V_MENU, V_POINT) are BIND(C) mirrors of the
! library's own; a program declares them in static storage and the library
! never copies or frees them. Handlers and callbacks are ordinary Fortran
! routines, called with every argument by reference exactly as the
! declarations that Genhand writes say. Routines that take a window record
! accept a TYPE(V_WINDOW) or a TYPE(DIALOG) (the two share one layout).
!
! Build: gfortran (mingw-w64) with -static, linking the libraries
! velmora_fortran, velmora and, for a program whose main routine is the
! LOGICAL FUNCTION VelmoraMain, velmora_fortran_entry.
module Velmora
  use, intrinsic :: iso_c_binding
  implicit none
  private

  ! --- Records -------------------------------------------------------------

  ! The control table that hangs from a record (library-owned).
  type, bind(c), public :: V_TABLE
    type(c_ptr) :: entries = c_null_ptr
    integer(c_int32_t) :: count = 0
  end type

  type, bind(c), public :: V_WINDOW
    integer(c_intptr_t) :: hWnd = 0
    integer(c_int32_t) :: nMsgHandlers = 0
    integer(c_int32_t) :: nControls = 0
    integer(c_int32_t) :: nCmdHandlers = 0
    integer(c_int32_t) :: reserved = 0
    integer(c_int32_t) :: idDlg = 0
    integer(c_intptr_t) :: defProc = -2
    integer(c_intptr_t) :: hCursor = -1
    integer(c_int32_t) :: flags = 0
    integer(c_int32_t) :: msgCapacity = 0
    integer(c_int32_t) :: cmdCapacity = 0
    type(c_ptr) :: msgKeys = c_null_ptr
    type(c_ptr) :: msgRoutines = c_null_ptr
    type(c_ptr) :: cmdKeys = c_null_ptr
    type(c_ptr) :: cmdRoutines = c_null_ptr
    type(V_TABLE) :: controls
    integer(c_int32_t) :: scrollWidth = 0
    integer(c_int32_t) :: scrollHeight = 0
  end type

  ! A drawing context: the device context, the viewport in device units and
  ! the window in world units.
  type, bind(c), public :: V_DC
    integer(c_intptr_t) :: hDC = 0
    integer(c_int32_t) :: viewX = 0
    integer(c_int32_t) :: viewY = 0
    integer(c_int32_t) :: viewWidth = 0
    integer(c_int32_t) :: viewHeight = 0
    real(c_float) :: winX = 0.0
    real(c_float) :: winY = 0.0
    real(c_float) :: winWidth = 0.0
    real(c_float) :: winHeight = 0.0
    integer(c_intptr_t) :: drawingState(8) = 0
  end type

  type, bind(c), public :: V_MENU
    integer(c_intptr_t) :: hMenu = 0
    integer(c_intptr_t) :: hOwner = 0
  end type

  type, bind(c), public :: V_POINT
    integer(c_int32_t) :: x = 0
    integer(c_int32_t) :: y = 0
  end type

  ! The application frame.
  type(V_WINDOW), bind(c, name='velmora_frame_record'), public, target :: VW_FRAME

  ! --- Constants -----------------------------------------------------------

  ! The window messages of the handler catalogue, and a few more.
  integer, parameter, public :: WM_CREATE = 1, WM_DESTROY = 2, WM_MOVE = 3, WM_SIZE = 5, &
    WM_ACTIVATE = 6, WM_SETFOCUS = 7, WM_KILLFOCUS = 8, WM_ENABLE = 10, WM_PAINT = 15, &
    WM_CLOSE = 16, WM_QUERYENDSESSION = 17, WM_ERASEBKGND = 20, WM_SYSCOLORCHANGE = 21, &
    WM_ENDSESSION = 22, WM_ACTIVATEAPP = 28, WM_TIMECHANGE = 30, WM_SETCURSOR = 32, &
    WM_MOUSEACTIVATE = 33, WM_CHILDACTIVATE = 34, WM_GETMINMAXINFO = 36, &
    WM_WINDOWPOSCHANGING = 70, WM_WINDOWPOSCHANGED = 71, WM_NOTIFY = 78, WM_HELP = 83, &
    WM_CONTEXTMENU = 123, WM_DISPLAYCHANGE = 126, WM_NCDESTROY = 130, WM_NCHITTEST = 132, &
    WM_NCACTIVATE = 134, WM_NCMOUSEMOVE = 160, WM_NCLBUTTONDOWN = 161, WM_NCLBUTTONUP = 162, &
    WM_NCLBUTTONDBLCLK = 163, WM_NCRBUTTONDOWN = 164, WM_NCRBUTTONUP = 165, &
    WM_NCRBUTTONDBLCLK = 166, WM_KEYDOWN = 256, WM_KEYUP = 257, WM_CHAR = 258, &
    WM_DEADCHAR = 259, WM_INITDIALOG = 272, WM_COMMAND = 273, WM_SYSCOMMAND = 274, &
    WM_TIMER = 275, WM_HSCROLL = 276, WM_VSCROLL = 277, WM_INITMENU = 278, &
    WM_INITMENUPOPUP = 279, WM_MOUSEMOVE = 512, WM_LBUTTONDOWN = 513, WM_LBUTTONUP = 514, &
    WM_LBUTTONDBLCLK = 515, WM_RBUTTONDOWN = 516, WM_RBUTTONUP = 517, WM_MOUSEWHEEL = 522, &
    WM_ENTERMENULOOP = 529, WM_EXITMENULOOP = 530, WM_CAPTURECHANGED = 533, &
    WM_MDIDESTROY = 545, WM_MDIACTIVATE = 546, WM_DROPFILES = 563, WM_HOTKEY = 786, &
    WM_USER = 1024, WM_APP = 32768
  ! Asks a framework window to create a child control.
  integer, parameter, public :: WM_CREATE_CONTROL = 32770

  ! Callback events (and the codes callbacks receive).
  integer, parameter, public :: EVT_DEFAULT = -1, EVT_CLICKED = -4, EVT_CHANGE = -6, &
    EVT_UPDATE = -7, EVT_SELCHANGE = -10, EVT_DBLCLICK = -14, EVT_DRAW = -26, &
    EVT_GAINFOCUS = -27, EVT_LOSEFOCUS = -28, EVT_TABCHANGING = -29, EVT_HELP = -30, &
    EVT_DESTROY = -31, EVT_SIZE = -33, EVT_INIT = -34, EVT_COLUMNCLICK = -38

  ! Show commands, dialog results, mouse activation and hit-test codes.
  integer, parameter, public :: SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOWMINIMIZED = 2, &
    SW_SHOWMAXIMIZED = 3, SW_SHOWNOACTIVATE = 4, SW_SHOW = 5, SW_MINIMIZE = 6, &
    SW_SHOWMINNOACTIVE = 7, SW_SHOWNA = 8, SW_RESTORE = 9, SW_SHOWDEFAULT = 10
  integer, parameter, public :: IDOK = 1, IDCANCEL = 2
  integer, parameter, public :: MA_ACTIVATE = 1, MA_ACTIVATEANDEAT = 2, MA_NOACTIVATE = 3, &
    MA_NOACTIVATEANDEAT = 4
  integer, parameter, public :: HTNOWHERE = 0, HTCLIENT = 1, HTCAPTION = 2
  integer, parameter, public :: WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2

  ! Window styles for WindowCreate and FrameCreate.
  integer, parameter, public :: WS_POPUP = -2147483647 - 1, WS_CHILD = 1073741824, &
    WS_VISIBLE = 268435456, WS_CLIPCHILDREN = 33554432, WS_CAPTION = 12582912, &
    WS_BORDER = 8388608, WS_SYSMENU = 524288, WS_VSCROLL = 2097152, WS_HSCROLL = 1048576, &
    WS_TABSTOP = 65536, WS_OVERLAPPEDWINDOW = 13565952
  integer, parameter, public :: WS_EX_ACCEPTFILES = 16, WS_EX_CLIENTEDGE = 512
  ! The extended-style bit that makes a window paint through an off-screen bitmap.
  integer, parameter, public :: BUFFERED_PAINT = 1073741824

  ! Message parameters handlers meet most often.
  integer, parameter, public :: SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2
  integer, parameter, public :: MK_LBUTTON = 1, MK_RBUTTON = 2, MK_SHIFT = 4, MK_CONTROL = 8
  integer, parameter, public :: VK_RETURN = 13, VK_ESCAPE = 27, VK_LEFT = 37, VK_UP = 38, &
    VK_RIGHT = 39, VK_DOWN = 40, VK_DELETE = 46
  integer, parameter, public :: SB_HORZ = 0, SB_VERT = 1, SB_LINEUP = 0, SB_LINEDOWN = 1, &
    SB_PAGEUP = 2, SB_PAGEDOWN = 3, SB_THUMBPOSITION = 4, SB_THUMBTRACK = 5

  ! The length of one dropped file name (WM_DROPFILES handlers).
  integer, parameter, public :: DROP_NAME_LENGTH = 260

  ! --- Routines --------------------------------------------------------------

  ! Registers a handler for a message: a LOGICAL FUNCTION, or an INTEGER
  ! FUNCTION for WM_MOUSEACTIVATE and WM_NCHITTEST.
  interface VSetHandler
    module procedure VSetLogicalHandler, VSetIntegerHandler
  end interface
  public :: VSetHandler, VSetCommand, VCtlSetSub
  public :: WindowSendMessage, WindowRedraw, FrameCreate, WindowCreate, WindowSetScrollSize
  public :: DcSetViewport, DcSetWindow, DcDeviceX, DcDeviceY, DcCreateMemory, DcReleaseMemory
  public :: DcLine, DcRectangle, DcEllipse, DcText

  ! The handler form that only Fortran can call: an array of names.
  abstract interface
    logical function DropHandler(vWnd, sFile)
      import :: V_WINDOW
      type(V_WINDOW) :: vWnd
      character(*), intent(in) :: sFile(:)
    end function
  end interface

  interface
    integer(c_int32_t) function c_set_handler(window, message, routine, dropCaller) &
        bind(c, name='velmora_set_handler')
      import :: c_int32_t, c_funptr
      type(*) :: window
      integer(c_int32_t), intent(in) :: message
      type(c_funptr), value :: routine, dropCaller
    end function
    integer(c_int32_t) function c_set_command(window, id, routine) bind(c, name='velmora_set_command')
      import :: c_int32_t, c_funptr
      type(*) :: window
      integer(c_int32_t), intent(in) :: id
      type(c_funptr), value :: routine
    end function
    integer(c_int32_t) function c_set_sub(window, id, routine, event) bind(c, name='velmora_set_sub')
      import :: c_int32_t, c_funptr
      type(*) :: window
      integer(c_int32_t), intent(in) :: id
      type(c_funptr), value :: routine
      integer(c_int32_t), intent(in), optional :: event
    end function
    integer(c_int32_t) function c_window_send_message(window, message, wParam, lParam) &
        bind(c, name='velmora_window_send_message')
      import :: c_int32_t
      type(*) :: window
      integer(c_int32_t), intent(in) :: message, wParam, lParam
    end function
    subroutine c_window_redraw(window, x1, y1, x2, y2) bind(c, name='velmora_window_redraw')
      import :: c_int32_t
      type(*) :: window
      integer(c_int32_t), intent(in), optional :: x1, y1, x2, y2
    end subroutine
    integer(c_int32_t) function c_frame_create(menu, title, titleLength, iconId, showCommand, &
        style, exStyle) bind(c, name='velmora_frame_create')
      import :: c_int32_t, c_char, V_MENU
      type(V_MENU), optional :: menu
      character(kind=c_char), intent(in) :: title(*)
      integer(c_int32_t), intent(in) :: titleLength
      integer(c_int32_t), intent(in), optional :: iconId, showCommand, style, exStyle
    end function
    integer(c_int32_t) function c_window_create(window, parent, style, title, titleLength, &
        exStyle, x, y, width, height, menu, className, classLength, controlId) &
        bind(c, name='velmora_window_create')
      import :: c_int32_t, c_char, V_MENU
      type(*) :: window, parent
      integer(c_int32_t), intent(in) :: style
      character(kind=c_char), intent(in), optional :: title(*), className(*)
      integer(c_int32_t), intent(in) :: titleLength, classLength
      integer(c_int32_t), intent(in), optional :: exStyle, x, y, width, height, controlId
      type(V_MENU), optional :: menu
    end function
    integer(c_int32_t) function c_window_set_scroll_size(window, width, height) &
        bind(c, name='velmora_window_set_scroll_size')
      import :: c_int32_t
      type(*) :: window
      integer(c_int32_t), intent(in) :: width, height
    end function
    subroutine c_dc_set_viewport(dc, x1, y1, x2, y2, clip) bind(c, name='velmora_dc_set_viewport')
      import :: c_int32_t, V_DC
      type(V_DC), intent(inout) :: dc
      integer(c_int32_t), intent(in) :: x1, y1, x2, y2
      integer(c_int32_t), intent(in), optional :: clip
    end subroutine
    subroutine DcSetWindow(dc, x1, y1, x2, y2) bind(c, name='velmora_dc_set_window')
      import :: c_float, V_DC
      type(V_DC), intent(inout) :: dc
      real(c_float), intent(in) :: x1, y1, x2, y2
    end subroutine
    integer(c_int32_t) function DcDeviceX(dc, x) bind(c, name='velmora_dc_device_x')
      import :: c_int32_t, c_float, V_DC
      type(V_DC), intent(in) :: dc
      real(c_float), intent(in) :: x
    end function
    integer(c_int32_t) function DcDeviceY(dc, y) bind(c, name='velmora_dc_device_y')
      import :: c_int32_t, c_float, V_DC
      type(V_DC), intent(in) :: dc
      real(c_float), intent(in) :: y
    end function
    subroutine c_dc_create_memory(result, width, height, source) bind(c, name='velmora_dc_create_memory')
      import :: c_int32_t, V_DC
      type(V_DC), intent(out) :: result
      integer(c_int32_t), intent(in) :: width, height
      type(V_DC), intent(in), optional :: source
    end subroutine
    integer(c_int32_t) function c_dc_release_memory(dc) bind(c, name='velmora_dc_release_memory')
      import :: c_int32_t, V_DC
      type(V_DC), intent(inout) :: dc
    end function
    integer(c_int32_t) function c_dc_line(dc, x1, y1, x2, y2, color, width) bind(c, name='velmora_dc_line')
      import :: c_int32_t, c_float, V_DC
      type(V_DC), intent(in) :: dc
      real(c_float), intent(in) :: x1, y1, x2, y2
      integer(c_int32_t), intent(in) :: color
      integer(c_int32_t), intent(in), optional :: width
    end function
    integer(c_int32_t) function c_dc_rectangle(dc, x1, y1, x2, y2, color, fill) &
        bind(c, name='velmora_dc_rectangle')
      import :: c_int32_t, c_float, V_DC
      type(V_DC), intent(in) :: dc
      real(c_float), intent(in) :: x1, y1, x2, y2
      integer(c_int32_t), intent(in) :: color
      integer(c_int32_t), intent(in), optional :: fill
    end function
    integer(c_int32_t) function c_dc_ellipse(dc, x1, y1, x2, y2, color, fill) &
        bind(c, name='velmora_dc_ellipse')
      import :: c_int32_t, c_float, V_DC
      type(V_DC), intent(in) :: dc
      real(c_float), intent(in) :: x1, y1, x2, y2
      integer(c_int32_t), intent(in) :: color
      integer(c_int32_t), intent(in), optional :: fill
    end function
    integer(c_int32_t) function c_dc_text(dc, x, y, text, length, color) bind(c, name='velmora_dc_text')
      import :: c_int32_t, c_float, c_char, V_DC
      type(V_DC), intent(in) :: dc
      real(c_float), intent(in) :: x, y
      character(kind=c_char), intent(in) :: text(*)
      integer(c_int32_t), intent(in) :: length, color
    end function
  end interface

contains

  ! --- Handler tables and callbacks -------------------------------------------

  logical function VSetLogicalHandler(vWnd, iMsg, handler)
    type(*) :: vWnd
    integer, intent(in) :: iMsg
    logical, external :: handler
    VSetLogicalHandler = c_set_handler(vWnd, iMsg, c_funloc(handler), &
                                       c_funloc(velmora_call_drop_handler)) /= 0
  end function

  logical function VSetIntegerHandler(vWnd, iMsg, handler)
    type(*) :: vWnd
    integer, intent(in) :: iMsg
    integer, external :: handler
    VSetIntegerHandler = c_set_handler(vWnd, iMsg, c_funloc(handler), &
                                       c_funloc(velmora_call_drop_handler)) /= 0
  end function

  ! A command subroutine: SUBROUTINE (vWnd, idCmd, nCode).
  logical function VSetCommand(vWnd, idCmd, routine)
    type(*) :: vWnd
    integer, intent(in) :: idCmd
    external :: routine
    VSetCommand = c_set_command(vWnd, idCmd, c_funloc(routine)) /= 0
  end function

  ! A callback for a control of a framework window: SUBROUTINE (vWnd, id, event).
  logical function VCtlSetSub(vWnd, idControl, routine, iEvent)
    type(*) :: vWnd
    integer, intent(in) :: idControl
    external :: routine
    integer, intent(in), optional :: iEvent
    VCtlSetSub = c_set_sub(vWnd, idControl, c_funloc(routine), iEvent) /= 0
  end function

  ! Calls a WM_DROPFILES handler with the dropped names as an array of
  ! DROP_NAME_LENGTH-character elements. The library calls this for every
  ! drop on a Fortran handler; it is not for programs to call.
  integer(c_int32_t) function velmora_call_drop_handler(routine, vWnd, names, count) &
      bind(c, name='velmora_call_drop_handler')
    type(c_funptr), value :: routine
    type(V_WINDOW) :: vWnd
    type(c_ptr), value :: names
    integer(c_int32_t), value :: count
    procedure(DropHandler), pointer :: handler
    character(len=DROP_NAME_LENGTH), pointer :: files(:)
    character(len=DROP_NAME_LENGTH), target :: none(0)
    call c_f_procpointer(routine, handler)
    if (count > 0 .and. c_associated(names)) then
      call c_f_pointer(names, files, [count])
    else
      files => none
    end if
    velmora_call_drop_handler = merge(1, 0, handler(vWnd, files))
  end function

  ! --- Windows ------------------------------------------------------------

  integer function WindowSendMessage(vWnd, iMsg, wParam, lParam)
    type(*) :: vWnd
    integer, intent(in) :: iMsg, wParam, lParam
    WindowSendMessage = c_window_send_message(vWnd, iMsg, wParam, lParam)
  end function

  ! Redraws the rectangle (all four corners given) or the whole client area.
  subroutine WindowRedraw(vWnd, iX1, iY1, iX2, iY2)
    type(*) :: vWnd
    integer, intent(in), optional :: iX1, iY1, iX2, iY2
    call c_window_redraw(vWnd, iX1, iY1, iX2, iY2)
  end subroutine

  ! Creates the application frame VW_FRAME; only inside VelmoraMain.
  logical function FrameCreate(vMenu, sTitle, idIcon, nShow, iStyle, iExStyle)
    type(V_MENU), intent(inout), optional :: vMenu
    character(*), intent(in) :: sTitle
    integer, intent(in), optional :: idIcon, nShow, iStyle, iExStyle
    FrameCreate = c_frame_create(vMenu, sTitle, len(sTitle), idIcon, nShow, iStyle, iExStyle) /= 0
  end function

  logical function WindowCreate(vWnd, vParent, iStyle, sTitle, iExStyle, iX, iY, iWidth, &
                                iHeight, vMenu, sClass, idControl)
    type(*) :: vWnd, vParent
    integer, intent(in) :: iStyle
    character(*), intent(in), optional :: sTitle, sClass
    integer, intent(in), optional :: iExStyle, iX, iY, iWidth, iHeight, idControl
    type(V_MENU), intent(inout), optional :: vMenu
    integer :: titleLength, classLength
    titleLength = 0
    classLength = 0
    if (present(sTitle)) titleLength = len(sTitle)
    if (present(sClass)) classLength = len(sClass)
    WindowCreate = c_window_create(vWnd, vParent, iStyle, sTitle, titleLength, iExStyle, &
                                   iX, iY, iWidth, iHeight, vMenu, sClass, classLength, &
                                   idControl) /= 0
  end function

  ! The window's virtual canvas in pixels (0 turns automatic scrolling off).
  logical function WindowSetScrollSize(vWnd, iWidth, iHeight)
    type(*) :: vWnd
    integer, intent(in) :: iWidth, iHeight
    WindowSetScrollSize = c_window_set_scroll_size(vWnd, iWidth, iHeight) /= 0
  end function

  ! --- Drawing contexts -----------------------------------------------------------

  subroutine DcSetViewport(vDC, iX1, iY1, iX2, iY2, bClip)
    type(V_DC), intent(inout) :: vDC
    integer, intent(in) :: iX1, iY1, iX2, iY2
    logical, intent(in), optional :: bClip
    integer(c_int32_t) :: clip
    clip = 0
    if (present(bClip)) clip = merge(1, 0, bClip)
    call c_dc_set_viewport(vDC, iX1, iY1, iX2, iY2, clip)
  end subroutine

  type(V_DC) function DcCreateMemory(iWidth, iHeight, vSource)
    integer, intent(in) :: iWidth, iHeight
    type(V_DC), intent(in), optional :: vSource
    call c_dc_create_memory(DcCreateMemory, iWidth, iHeight, vSource)
  end function

  logical function DcReleaseMemory(vDC)
    type(V_DC), intent(inout) :: vDC
    DcReleaseMemory = c_dc_release_memory(vDC) /= 0
  end function

  ! Drawing in world coordinates; colours are RGB values Z'00BBGGRR'. A
  ! shape without a fill colour is hollow.
  logical function DcLine(vDC, rX1, rY1, rX2, rY2, iColor, iWidth)
    type(V_DC), intent(in) :: vDC
    real, intent(in) :: rX1, rY1, rX2, rY2
    integer, intent(in) :: iColor
    integer, intent(in), optional :: iWidth
    DcLine = c_dc_line(vDC, rX1, rY1, rX2, rY2, iColor, iWidth) /= 0
  end function

  logical function DcRectangle(vDC, rX1, rY1, rX2, rY2, iColor, iFill)
    type(V_DC), intent(in) :: vDC
    real, intent(in) :: rX1, rY1, rX2, rY2
    integer, intent(in) :: iColor
    integer, intent(in), optional :: iFill
    DcRectangle = c_dc_rectangle(vDC, rX1, rY1, rX2, rY2, iColor, iFill) /= 0
  end function

  logical function DcEllipse(vDC, rX1, rY1, rX2, rY2, iColor, iFill)
    type(V_DC), intent(in) :: vDC
    real, intent(in) :: rX1, rY1, rX2, rY2
    integer, intent(in) :: iColor
    integer, intent(in), optional :: iFill
    DcEllipse = c_dc_ellipse(vDC, rX1, rY1, rX2, rY2, iColor, iFill) /= 0
  end function

  logical function DcText(vDC, rX, rY, sText, iColor)
    type(V_DC), intent(in) :: vDC
    real, intent(in) :: rX, rY
    character(*), intent(in) :: sText
    integer, intent(in) :: iColor
    DcText = c_dc_text(vDC, rX, rY, sText, len(sText), iColor) /= 0
  end function

end module Velmora
