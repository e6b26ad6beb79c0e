#pragma once
// Which names the file system takes for a file of the listed folder: the characters a
// name may hold, the device names Windows keeps for itself, and the list file's name.

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
