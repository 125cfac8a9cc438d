! Reference for standsim's I_2_C: writes each value of the table under the
! edit descriptors iN (no M) and iN.M as the Fortran run-time does. Each line
! reads
!   VALUE|N|M|TEXT|
! with M -1 for iN.
! Built and run by the build; line_items_test.cpp compares every line.
program line_items_reference
  implicit none
  integer, parameter :: values(*) = [1995, -12, 123456, 0, -2147483647 - 1, -9999]
  integer, parameter :: widths(*) = [1, 3, 5, 12]
  integer, parameter :: digits(*) = [-1, 0, 3, 6]
  character(len=32) :: fmt, text
  integer :: i, j, k
  do i = 1, size(values)
    do j = 1, size(widths)
      do k = 1, size(digits)
        if (digits(k) > widths(j)) cycle  ! a run-time error in Fortran
        if (digits(k) < 0) then
          write(fmt, '(a,i0,a)') '(i', widths(j), ')'
        else
          write(fmt, '(a,i0,a,i0,a)') '(i', widths(j), '.', digits(k), ')'
        end if
        write(text, fmt) values(i)
        write(*, '(i0,a,i0,a,i0,3a)') values(i), '|', widths(j), '|', digits(k), '|', &
          text(1:widths(j)), '|'
      end do
    end do
  end do
end program line_items_reference
