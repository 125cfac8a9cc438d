! Prints what the Fortran run-time writes for one number under one edit
! descriptor, for a sweep of descriptors and values. Each line reads
!   KIND|BITS|FORMAT|FIELD|
! KIND is I4 (a 4-byte integer), R4 or R8 (a 4- or 8-byte real), BITS the
! value's bit pattern as a decimal integer, FORMAT the format text and FIELD
! the characters written (trailing blanks kept before the last "|").
! Built and run by the build; fortran_format_write_test.cpp compares every line.
program fortran_format_write_reference
  implicit none
  integer, parameter :: nfix = 58
  real(8) :: fixed(nfix)
  real(8), allocatable :: values(:), doubles(:)
  real(4), allocatable :: singles(:)
  integer, allocatable :: ints(:)
  integer, parameter :: decimals(7) = [0, 1, 2, 3, 4, 6, 9]
  integer :: i, k, w, d, m, n
  real(8) :: r
  character(len=32) :: fmt

  fixed = [ 0d0, 1d0, -1d0, 0.5d0, -0.5d0, 0.125d0, 0.375d0, 2.5d0, 3.5d0, -2.5d0, &
            9.5d0, 99.5d0, 999.5d0, 9999.5d0, 0.05d0, 0.95d0, 0.995d0, 9.995d0, -9.9995d0, &
            0.09999d0, 0.099994d0, 0.099996d0, 0.0995d0, 0.1d0, 0.001d0, -0.001d0, 1234.5d0, &
            99999d0, 1.5d7, -1.5d7, 1d-5, 2.6d0, 12.5d0, -12.5d0, 83.333333333d0, 0.25d0, &
            1d30, -1d30, 1d38, 1d-38, 1d-45, 1d100, 1d-100, 1d300, 123456789d0, 0.1d0/3, &
            1d0/3, 2d0/3, 100d0, 1000d0, 10000d0, 99.99d0, 999.999d0, 0.00049d0, 0.0005d0, &
            5d-5, 4.5d0, 0.45d0 ]
  n = nfix + 120
  allocate(values(2*n))
  values(1:nfix) = fixed
  call random_seed(put=[(1234567 + 7*k, k = 1, 64)])
  do i = nfix + 1, n
    call random_number(r)
    k = int(r * 15) - 7
    call random_number(r)
    values(i) = (r - 0.5d0) * 2d0 * 10d0**k
    if (mod(i, 3) == 0) values(i) = anint(values(i) * 8) / 8
  end do
  values(n+1:2*n) = -values(1:n)
  values(n+1) = -0d0

  ! The bounds between the forms of g editing, 10**(k-1) * (1 - 0.5 * 10**-d),
  ! with their neighbours in either precision.
  doubles = values
  singles = real(values, 4)
  do d = 1, 9
    do k = 0, d + 1
      r = 10d0**(k - 1) * (1 - 0.5d0 * 10d0**(-d))
      doubles = [doubles, nearest(r, -1d0), r, nearest(r, 1d0)]
      singles = [singles, nearest(real(r, 4), -1.0), real(r, 4), nearest(real(r, 4), 1.0)]
    end do
  end do

  do w = 1, 16
    do k = 1, size(decimals)
      d = decimals(k)
      if (d > w) exit
      write(fmt, '("(f", i0, ".", i0, ")")') w, d
      call sweep_reals(fmt, w)
      if (d >= 1) then
        write(fmt, '("(g", i0, ".", i0, ")")') w, d
        call sweep_reals(fmt, w)
      end if
    end do
  end do
  call sweep_reals('(g25.17)', 25)
  call sweep_reals('(f40.10)', 40)
  call sweep_reals('( F 8 . 3 )', 8)
  call sweep_reals('(G 1 2 . 4)', 12)

  allocate(ints(60))
  ints(1:20) = [0, 1, -1, 7, -7, 9, -9, 10, -10, 99, -99, 100, -100, 99999, -99999, &
                2147483647, -2147483647 - 1, 123456, -123456, 1000000]
  do i = 21, 60
    call random_number(r)
    ints(i) = int((r - 0.5d0) * 2d0 * 10d0**mod(i, 10))
  end do
  do w = 1, 12
    write(fmt, '("(i", i0, ")")') w
    call sweep_integers(fmt, w)
    do m = 0, w
      write(fmt, '("(i", i0, ".", i0, ")")') w, m
      call sweep_integers(fmt, w)
    end do
  end do
  call sweep_integers('( I 6 . 3 )', 6)

contains

  subroutine sweep_reals(fmt, w)
    character(len=*), intent(in) :: fmt
    integer, intent(in) :: w
    character(len=64) :: field
    integer :: j
    do j = 1, size(singles)
      write(field, fmt) singles(j)
      write(*, '(a, i0, a, a, a, a, a)') 'R4|', transfer(singles(j), 0), '|', trim(fmt), '|', field(1:w), '|'
    end do
    do j = 1, size(doubles)
      write(field, fmt) doubles(j)
      write(*, '(a, i0, a, a, a, a, a)') 'R8|', transfer(doubles(j), 0_8), '|', trim(fmt), '|', field(1:w), '|'
    end do
  end subroutine

  subroutine sweep_integers(fmt, w)
    character(len=*), intent(in) :: fmt
    integer, intent(in) :: w
    character(len=64) :: field
    integer :: j
    do j = 1, size(ints)
      write(field, fmt) ints(j)
      write(*, '(a, i0, a, a, a, a, a)') 'I4|', ints(j), '|', trim(fmt), '|', field(1:w), '|'
    end do
  end subroutine

end program fortran_format_write_reference
