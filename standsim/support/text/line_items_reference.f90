! Prints the table of expected texts of I_2_C in line_items_test.cpp: the
! value written under the edit descriptor iN (no M) or iN.M.
! Build and run: gfortran line_items_reference.f90 && ./a.out
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
        write(*, '(a,i0,a,i0,a,i0,3a)') '{', values(i), ', ', widths(j), ', ', digits(k), ', "', &
          text(1:widths(j)), '"},'
      end do
    end do
  end do
end program line_items_reference
