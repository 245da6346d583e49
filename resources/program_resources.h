// Numbers of the program's own resources, shared by its resource scripts and
// its code (plain macros: the resource compiler reads this file too).
#pragma once

// The program's icon group: the window classes' icons and the file's icon in
// the shell, which shows the first icon group of an executable.
#define PHONEBOOK_ICON_ID 1
