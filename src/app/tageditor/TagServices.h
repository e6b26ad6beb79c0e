#pragma once
// What the tag library takes from the running program (tags/TagEnvironment.h): its
// errors shown through the message service under the caption the library names ("Error"
// translated or as it stands), with the main window's skin, and the text frames'
// character set from the configured locale.

// Installs both for the rest of the run; they read Settings whenever they are used.
void InstallTagServices();
