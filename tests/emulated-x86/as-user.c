// as-user UID PROGRAM [ARGUMENT ...]: runs PROGRAM as user and group UID with no other
// groups, for the emulated-x86 guest's scripts (busybox has no such applet).
#define _GNU_SOURCE
#include <grp.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

int main(int argc, char **argv) {
    if (argc < 3)
        return fputs("usage: as-user UID PROGRAM [ARGUMENT ...]\n", stderr), 125;
    const unsigned id = (unsigned)atoi(argv[1]);
    if (setgroups(0, NULL) || setgid(id) || setuid(id))
        return perror("as-user"), 125;
    execvp(argv[2], argv + 2);
    return perror(argv[2]), 126;
}
