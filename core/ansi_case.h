#pragma once

// Lower case in the ANSI code page, one byte at a time, as Windows lowers a
// single character (CharLowerA): sorting titles and searching without regard
// to case use it. Natively the ANSI code page is 1252.
char lowerAnsi(char c);
