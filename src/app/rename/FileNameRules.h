#pragma once
// Which names the file system takes for a file of the listed folder: the characters a
// name may hold, the device names Windows keeps for itself, the list file's name, and
// names that may stand for one file.

#include <string>

// No control character and none of \ / : * ? " < > |, which no file name holds.
bool FileNameCharactersAllowed(const std::string& name);
// A name Windows opens as a device, never as a file: CON, PRN, AUX, NUL, COM1 to COM9
// and LPT1 to LPT9 in any letter case, alone or before a "." ("Con.Air.mp3",
// "nul.x"), blanks before the "." included. Such a name always "exists".
bool IsDeviceName(const std::string& fileName);
// The list file is a plain file of the working folder: something is left once the
// trailing dots and blanks Windows drops are gone, it holds no path separator, drive
// or stream (":"), no device name, and it is not "Log.txt" (which would replace it).
bool ListNameIsFileName(const std::string& listName);
// A plain file name (above) that does not land on an MP3 file, which it would replace.
bool ListNameAllowed(const std::string& listName, const std::string& extension);
// False only when the file system cannot take the file names a and b for one file:
// they differ in length or in a pair of ASCII characters other than by letter case, and
// b holds no "~" (every generated short name does). A character outside ASCII is taken
// to match any, as letter-case pairs beyond ASCII depend on the code page.
bool MayNameOneFile(const std::string& a, const std::string& b);
