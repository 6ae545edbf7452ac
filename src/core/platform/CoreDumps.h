#pragma once

// A core dump of a process that holds the mail password would hold it too, readable by
// whoever gets the dump. Once a password is in memory the process is made not dumpable,
// which also keeps other processes of the same user from reading its memory.
class CCoreDumps
{
public:
    static void Disable();
};
