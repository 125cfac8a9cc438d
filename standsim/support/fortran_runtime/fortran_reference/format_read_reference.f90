! Reference for the formatted and list-directed reading of standsim's file
! layer: performs read statements on a data file as the Fortran run-time does
! and prints what each statement left in its items.
!
! Usage: format_read_reference CASEFILE DATAFILE
! CASEFILE line 1: the format, or "*" for list-directed reading
!          line 2: item kind (r4, r8, i4 or l4), item count (at most 100),
!                  number of read statements
! Output per read statement: a line "<class> <message>" (class 0 success,
! -1 end of file, 1 error), then one line per item: the bits of a real in
! hexadecimal, an integer or the word of a logical in decimal. An item that
! the statement left alone keeps the value -7. Reading stops after the first
! statement that does not end with class 0.
program format_read_reference
  implicit none
  integer, parameter :: max_items = 100
  character(len=4096) :: casefile, datafile, fmt
  character(len=2) :: kind
  character(len=256) :: msg
  integer :: nitems, nreads, iread, ios, i, cls
  real(4) :: r4(max_items)
  real(8) :: r8(max_items)
  integer(4) :: i4(max_items), words(max_items)
  logical(4) :: l4(max_items)
  equivalence (words, l4)

  call get_command_argument(1, casefile)
  call get_command_argument(2, datafile)
  open(20, file=trim(casefile), status='old', action='read')
  read(20, '(a)') fmt
  read(20, *) kind, nitems, nreads
  close(20)

  open(10, file=trim(datafile), status='old', action='read')
  do iread = 1, nreads
    r4 = -7.0
    r8 = -7.0d0
    i4 = -7
    words = -7
    msg = ''
    if (trim(fmt) == '*') then
      select case (kind)
      case ('r4'); read(10, *, iostat=ios, iomsg=msg) r4(1:nitems)
      case ('r8'); read(10, *, iostat=ios, iomsg=msg) r8(1:nitems)
      case ('i4'); read(10, *, iostat=ios, iomsg=msg) i4(1:nitems)
      case default; read(10, *, iostat=ios, iomsg=msg) l4(1:nitems)
      end select
    else
      select case (kind)
      case ('r4'); read(10, fmt, iostat=ios, iomsg=msg) r4(1:nitems)
      case ('r8'); read(10, fmt, iostat=ios, iomsg=msg) r8(1:nitems)
      case ('i4'); read(10, fmt, iostat=ios, iomsg=msg) i4(1:nitems)
      case default; read(10, fmt, iostat=ios, iomsg=msg) l4(1:nitems)
      end select
    end if
    cls = 0
    if (ios < 0) cls = -1
    if (ios > 0) cls = 1
    if (cls == 0) msg = ''
    ! A message on a format quotes it on further lines: keep it on one.
    do i = 1, len(msg)
      if (msg(i:i) == achar(10)) msg(i:i) = ' '
    end do
    write(*, '(i0,1x,a)') cls, trim(msg)
    do i = 1, nitems
      select case (kind)
      case ('r4'); write(*, '(z8.8)') transfer(r4(i), 0_4)
      case ('r8'); write(*, '(z16.16)') transfer(r8(i), 0_8)
      case ('i4'); write(*, '(i0)') i4(i)
      case default; write(*, '(i0)') words(i)
      end select
    end do
    if (cls /= 0) exit
  end do
  close(10)
end program format_read_reference
