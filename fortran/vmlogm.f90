! The VMLOGM module: dialogs from resource templates, their controls'
! state, and control callbacks, for Fortran programs. It makes everything
! of the Velmora module available too.
!
! A DIALOG is a window record with a control table; it has the layout of
! V_WINDOW. Routines that take a dialog record accept either type, so the
! frame VW_FRAME made from a template (DlgCreateFrame) is a dialog as well.
! The optional last argument `index` of the set and get routines is an
! attribute (ATTR_...) or a list item counted from 1.
module VMLOGM
  use, intrinsic :: iso_c_binding, only: c_int32_t, c_intptr_t, c_char, c_ptr, c_null_ptr, &
    c_funptr, c_funloc
  use Velmora
  implicit none
  ! Everything of Velmora is public here too; only the C bindings are not.
  private :: c_int32_t, c_intptr_t, c_char, c_ptr, c_null_ptr, c_funptr, c_funloc

  type, bind(c), public :: DIALOG
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

  ! Ends a modal run: wParam the run's result, lParam the dialog window.
  integer, parameter, public :: DLG_END_MESSAGE = 32769

  ! Control kinds.
  integer, parameter, public :: KIND_OTHER = 0, KIND_STATIC = 1, KIND_GROUPBOX = 2, &
    KIND_PUSHBUTTON = 3, KIND_CHECKBOX = 4, KIND_RADIOBUTTON = 5, KIND_EDIT = 6, &
    KIND_LISTBOX = 7, KIND_DROPDOWNLIST = 8, KIND_MANUALRADIO = 9, KIND_TAB = 10, &
    KIND_SCROLLBAR = 11, KIND_COMBOBOX = 12, KIND_SPINNER = 13, KIND_SLIDER = 14, &
    KIND_PROGRESS = 15, KIND_STATUSBAR = 16, KIND_LISTVIEW = 17, KIND_DIALOG = 20

  ! Attribute indexes of the set and get routines.
  integer, parameter, public :: ATTR_TEXT = -2, ATTR_ENABLED = -3, ATTR_VALUE = -5, &
    ATTR_BITMAP = -11, ATTR_SELECTION = -12, ATTR_ITEMCOUNT = -13, ATTR_FONT = -15, &
    ATTR_VISIBLE = -16, ATTR_MINIMUM = -18, ATTR_MAXIMUM = -19, ATTR_STEP = -20, &
    ATTR_TEXTCOLOR = -21, ATTR_BACKCOLOR = -22, ATTR_WIDTHS = -24, ATTR_ICON = -25, &
    ATTR_RESIZEROUTINE = -32, ATTR_COLUMNTYPES = -35, ATTR_ROWSIZE = -37


contains

  ! Creates the application frame VW_FRAME from a dialog template; only
  ! inside VelmoraMain.
  logical function DlgCreateFrame(idTemplate, vMenu, idIcon)
    interface
      integer(c_int32_t) function c_dlg_create_frame(templateId, menu, iconId) &
          bind(c, name='velmora_dlg_create_frame')
        import :: c_int32_t, V_MENU
        integer(c_int32_t), intent(in) :: templateId
        type(V_MENU), optional :: menu
        integer(c_int32_t), intent(in), optional :: iconId
      end function
    end interface
    integer, intent(in) :: idTemplate
    type(V_MENU), intent(inout), optional :: vMenu
    integer, intent(in), optional :: idIcon
    DlgCreateFrame = c_dlg_create_frame(idTemplate, vMenu, idIcon) /= 0
  end function

  ! Creates a dialog from template `idTemplate` into `dlg`, under `vParent`'s
  ! window (default: the frame, else the desktop).
  logical function DlgCreate(idTemplate, dlg, vParent, hModule)
    interface
      integer(c_int32_t) function c_dlg_create(templateId, dialog, parent, module) &
          bind(c, name='velmora_dlg_create')
        import :: c_int32_t, c_intptr_t
        integer(c_int32_t), intent(in) :: templateId
        type(*) :: dialog
        type(*), optional :: parent
        integer(c_intptr_t), intent(in), optional :: module
      end function
    end interface
    integer, intent(in) :: idTemplate
    type(*) :: dlg
    type(*), optional :: vParent
    integer(c_intptr_t), intent(in), optional :: hModule
    DlgCreate = c_dlg_create(idTemplate, dlg, vParent, hModule) /= 0
  end function

  logical function DlgShow(dlg, nShow)
    interface
      integer(c_int32_t) function c_dlg_show(dialog, showCommand) bind(c, name='velmora_dlg_show')
        import :: c_int32_t
        type(*) :: dialog
        integer(c_int32_t), intent(in), optional :: showCommand
      end function
    end interface
    type(*) :: dlg
    integer, intent(in), optional :: nShow
    DlgShow = c_dlg_show(dlg, nShow) /= 0
  end function

  ! Runs the dialog until DlgEnd; -1 without a window or after WM_QUIT.
  integer function DlgRunModal(dlg, hOwner, bDisableAll)
    interface
      integer(c_int32_t) function c_dlg_run_modal(dialog, owner, disableAll) &
          bind(c, name='velmora_dlg_run_modal')
        import :: c_int32_t, c_intptr_t
        type(*) :: dialog
        integer(c_intptr_t), intent(in), optional :: owner
        integer(c_int32_t), intent(in), optional :: disableAll
      end function
    end interface
    type(*) :: dlg
    integer(c_intptr_t), intent(in), optional :: hOwner
    logical, intent(in), optional :: bDisableAll
    integer(c_int32_t) :: disableAll
    disableAll = 0
    if (present(bDisableAll)) disableAll = merge(1, 0, bDisableAll)
    DlgRunModal = c_dlg_run_modal(dlg, hOwner, disableAll)
  end function

  logical function DlgEnd(dlg, iValue)
    interface
      integer(c_int32_t) function c_dlg_end(dialog, value) bind(c, name='velmora_dlg_end')
        import :: c_int32_t
        type(*) :: dialog
        integer(c_int32_t), intent(in) :: value
      end function
    end interface
    type(*) :: dlg
    integer, intent(in) :: iValue
    DlgEnd = c_dlg_end(dlg, iValue) /= 0
  end function

  subroutine DlgDestroy(dlg)
    interface
      subroutine c_dlg_destroy(dialog) bind(c, name='velmora_dlg_destroy')
        type(*) :: dialog
      end subroutine
    end interface
    type(*) :: dlg
    call c_dlg_destroy(dlg)
  end subroutine

  integer function DlgSendMessage(dlg, id, iMsg, wParam, lParam)
    interface
      integer(c_int32_t) function c_dlg_send_message(dialog, id, message, wParam, lParam) &
          bind(c, name='velmora_dlg_send_message')
        import :: c_int32_t
        type(*) :: dialog
        integer(c_int32_t), intent(in) :: id, message, wParam, lParam
      end function
    end interface
    type(*) :: dlg
    integer, intent(in) :: id, iMsg, wParam, lParam
    DlgSendMessage = c_dlg_send_message(dlg, id, iMsg, wParam, lParam)
  end function

  ! Trailing blanks of `text` are not handed on; an all-blank text is one blank.
  logical function DlgSetString(dlg, id, text, index)
    interface
      integer(c_int32_t) function c_dlg_set_string(dialog, id, text, length, index) &
          bind(c, name='velmora_dlg_set_string')
        import :: c_int32_t, c_char
        type(*) :: dialog
        integer(c_int32_t), intent(in) :: id, length
        character(kind=c_char), intent(in) :: text(*)
        integer(c_int32_t), intent(in), optional :: index
      end function
    end interface
    type(*) :: dlg
    integer, intent(in) :: id
    character(*), intent(in) :: text
    integer, intent(in), optional :: index
    DlgSetString = c_dlg_set_string(dlg, id, text, len(text), index) /= 0
  end function

  logical function DlgSetInteger(dlg, id, iValue, index)
    interface
      integer(c_int32_t) function c_dlg_set_integer(dialog, id, value, index) &
          bind(c, name='velmora_dlg_set_integer')
        import :: c_int32_t
        type(*) :: dialog
        integer(c_int32_t), intent(in) :: id, value
        integer(c_int32_t), intent(in), optional :: index
      end function
    end interface
    type(*) :: dlg
    integer, intent(in) :: id, iValue
    integer, intent(in), optional :: index
    DlgSetInteger = c_dlg_set_integer(dlg, id, iValue, index) /= 0
  end function

  logical function DlgSetLogical(dlg, id, bValue, index)
    interface
      integer(c_int32_t) function c_dlg_set_logical(dialog, id, value, index) &
          bind(c, name='velmora_dlg_set_logical')
        import :: c_int32_t
        type(*) :: dialog
        integer(c_int32_t), intent(in) :: id, value
        integer(c_int32_t), intent(in), optional :: index
      end function
    end interface
    type(*) :: dlg
    integer, intent(in) :: id
    logical, intent(in) :: bValue
    integer, intent(in), optional :: index
    DlgSetLogical = c_dlg_set_logical(dlg, id, merge(1, 0, bValue), index) /= 0
  end function

  ! `text` receives the value blank-padded to its length (all blanks after
  ! a false result).
  logical function DlgGetString(dlg, id, text, index)
    interface
      integer(c_int32_t) function c_dlg_get_string(dialog, id, text, length, index) &
          bind(c, name='velmora_dlg_get_string')
        import :: c_int32_t, c_char
        type(*) :: dialog
        integer(c_int32_t), intent(in) :: id, length
        character(kind=c_char), intent(out) :: text(*)
        integer(c_int32_t), intent(in), optional :: index
      end function
    end interface
    type(*) :: dlg
    integer, intent(in) :: id
    character(*), intent(out) :: text
    integer, intent(in), optional :: index
    DlgGetString = c_dlg_get_string(dlg, id, text, len(text), index) /= 0
  end function

  ! `iCursor` walks the selected items of a list view (start with 0).
  logical function DlgGetInteger(dlg, id, iValue, index, iCursor)
    interface
      integer(c_int32_t) function c_dlg_get_integer(dialog, id, value, index, cursor) &
          bind(c, name='velmora_dlg_get_integer')
        import :: c_int32_t
        type(*) :: dialog
        integer(c_int32_t), intent(in) :: id
        integer(c_int32_t), intent(inout) :: value
        integer(c_int32_t), intent(in), optional :: index
        integer(c_int32_t), intent(inout), optional :: cursor
      end function
    end interface
    type(*) :: dlg
    integer, intent(in) :: id
    integer, intent(inout) :: iValue
    integer, intent(in), optional :: index
    integer, intent(inout), optional :: iCursor
    DlgGetInteger = c_dlg_get_integer(dlg, id, iValue, index, iCursor) /= 0
  end function

  ! `bValue` is set only with a true result.
  logical function DlgGetLogical(dlg, id, bValue, index)
    interface
      integer(c_int32_t) function c_dlg_get_logical(dialog, id, value, index) &
          bind(c, name='velmora_dlg_get_logical')
        import :: c_int32_t
        type(*) :: dialog
        integer(c_int32_t), intent(in) :: id
        integer(c_int32_t), intent(inout) :: value
        integer(c_int32_t), intent(in), optional :: index
      end function
    end interface
    type(*) :: dlg
    integer, intent(in) :: id
    logical, intent(inout) :: bValue
    integer, intent(in), optional :: index
    integer(c_int32_t) :: value
    value = 0
    DlgGetLogical = c_dlg_get_logical(dlg, id, value, index) /= 0
    if (DlgGetLogical) bValue = value /= 0
  end function

  ! A callback for a control of a dialog (or for the dialog itself under its
  ! own template id): SUBROUTINE (Dlg, idCmd, nCode).
  logical function DlgSetSub(dlg, id, routine, iEvent)
    interface
      integer(c_int32_t) function c_set_sub(window, id, routine, event) bind(c, name='velmora_set_sub')
        import :: c_int32_t, c_funptr
        type(*) :: window
        integer(c_int32_t), intent(in) :: id
        type(c_funptr), value :: routine
        integer(c_int32_t), intent(in), optional :: event
      end function
    end interface
    type(*) :: dlg
    integer, intent(in) :: id
    external :: routine
    integer, intent(in), optional :: iEvent
    DlgSetSub = c_set_sub(dlg, id, c_funloc(routine), iEvent) /= 0
  end function

end module VMLOGM
