// Text and files: byte-wise counting, cutting and searching of 8-bit texts (CP932 characters
// take two bytes, and a character argument also matches a second byte of the same value), the
// pieces of a path, random integers in a range, and testing, making and deleting files.
//
// Texts end at their first NUL byte; beyond that, any length is taken whole. Positions are
// zero-based.
#pragma once

#include <random>

#include "vcl/sysutils.h"

// Whether the file can be opened for reading.
bool TestFileExists(AnsiString fileName);
// Creates the file empty if it is missing; an existing file keeps its contents.
void MakeFile(AnsiString fileName);
void RemoveFile(AnsiString fileName);

// The library's source of random numbers, never seeded: every run draws the same sequence. Each
// draw takes 31 bits of one output.
using RandomEngine = std::mt19937;
RandomEngine& RandomSource();
// low + (one draw mod (high - low)); low itself, without a draw, when the two are equal.
int RandomBetween(int low, int high);

int CountChar(AnsiString text, char c);
int TextLength(AnsiString text);
// `count` bytes from `start`; positions outside the text add nothing.
AnsiString SubText(AnsiString text, int start, int count);
// The position of the first byte equal to `c`, or -1.
int IndexOfChar(AnsiString text, char c);
// The position of occurrence `n` of `c`, counted from 0 (a negative n counts as 0), or -1.
int IndexOfNthChar(AnsiString text, char c, int n);

// The pieces of a path, by the separators of the platform's file names.
AnsiString PathDirectory(AnsiString path);
AnsiString PathDrive(AnsiString path);
AnsiString PathFileName(AnsiString path);
AnsiString PathExtension(AnsiString path);
