! Reference for standsim's free-format reading of a value text: reads each
! text of the table list-directed into two integers, two 4-byte reals and two
! 8-byte reals (variables preset to -7) as the Fortran run-time does. Each
! line reads
!   TEXT|INT STATUS|A|B|REAL4 STATUS|X|Y|REAL8 STATUS|U|V|
! the statuses 0 success, -1 end of file, 1 any error, the reals as their bit
! patterns in hexadecimal. No text holds a "|".
! Built and run by the build; fortran_free_read_test.cpp compares every line.
program fortran_free_read_reference
  implicit none
  character(len=40), parameter :: table(*) = [character(len=40) :: &
    '1995.5', ',', '/', '+12', '1995 7', '1995,7', ' , 5', '12abc', '1.5+3', '1-2', &
    '.', '+', '-.5', '5.', '1.5d2', 'nan', 'inf', '3000000000', '1e50', &
    '  1990   1200.    800.', '1'//achar(9)//'2', '1990/ 5', '1.5e', '1.5e+', 'e5', &
    '1.2.3', '+.', '-', '5.e2', '1,,2', '1990 ! c', '1.5E-3', '0.1 0.2', '', '-0', &
    '1e-50', '1e-40', '-1e50', '1.5q2', '+inFinity', 'infx', &
    '2147483647 -2147483648', '2147483648', '+-5', '1990 2050 and more', &
    '1990,2050,x', '7e-46', '1.0000000596046448', '3.4028235e38 1e-320', &
    '0012.50 +.5e+1', '1990 , 2050', '12 ,, 3']
  character(len=40) :: texts(size(table))
  integer :: k, ios_i, ios_r, ios_d, a, b
  real(4) :: x, y
  real(8) :: u, v
  texts = table
  do k = 1, size(texts)
    a = -7; b = -7; x = -7; y = -7; u = -7; v = -7
    read(texts(k), *, iostat=ios_i) a, b
    read(texts(k), *, iostat=ios_r) x, y
    read(texts(k), *, iostat=ios_d) u, v
    write(*, '(2a,i0,a,i0,a,i0,a,i0,a,z8.8,a,z8.8,a,i0,a,z16.16,a,z16.16,a)') &
      trim(texts(k)), '|', sign(1, ios_i) * min(abs(ios_i), 1), '|', a, '|', b, '|', &
      sign(1, ios_r) * min(abs(ios_r), 1), '|', x, '|', y, '|', &
      sign(1, ios_d) * min(abs(ios_d), 1), '|', u, '|', v, '|'
  end do
end program fortran_free_read_reference
