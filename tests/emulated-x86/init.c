// /init of the emulated-x86 guest (see run-guest): runs one program, reports on the console
// how it went, powers off. Its arguments come from the kernel command line after "--":
//   UID RAWIO SECONDS [NAME=VALUE ...] PROGRAM [ARGUMENT ...]   (PROGRAM: first without '=')
// The NAME=VALUEs go into its environment; /tmp/runtime (0700, its user's) is for XDG_RUNTIME_DIR.
// RAWIO 1 gives the program file cap_sys_rawio+ep first. Report lines, after "lcdcrt-guest: ":
//   outcome: exit N | signal N | running (still, after SECONDS) | error: WHAT
//   process: PID NAME CapPrm=HEX CapEff=HEX   (if running: the program and each descendant;
//     if ended: each process it left behind, which init has inherited)
//   stdout: LINE | stderr: LINE
//   starting (just before the exec) | peak: NAME KB (peak resident memory: the program's once
//   it has ended, or each running process's)
#define _GNU_SOURCE
#include <dirent.h>
#include <fcntl.h>
#include <linux/capability.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mount.h>
#include <sys/reboot.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#define CHECK(ok) if (!(ok)) printf("lcdcrt-guest: outcome: error: %s: %m\n", #ok), end()

static void end(void) {
    fflush(stdout);
    reboot(RB_POWER_OFF);
    _exit(1);  // pid 1 ending panics: with panic=-1 and -no-reboot QEMU quits too
}

// Reports the process's capability sets if asked; returns its parent's pid, 0 if none.
static int process(int pid, int print) {
    char path[64], line[256], name[64] = "?", permitted[32] = "?", effective[32] = "?", peak[32] = "?";
    int parent = 0;
    snprintf(path, sizeof path, "/proc/%d/status", pid);
    FILE *file = fopen(path, "r");
    while (file && fgets(line, sizeof line, file))
        sscanf(line, "Name: %63s", name), sscanf(line, "PPid: %d", &parent),
            sscanf(line, "CapPrm: %31s", permitted), sscanf(line, "CapEff: %31s", effective),
            sscanf(line, "VmHWM: %31s", peak);
    if (print)
        printf("lcdcrt-guest: process: %d %s CapPrm=%s CapEff=%s\n", pid, name, permitted, effective),
            printf("lcdcrt-guest: peak: %s %s kB\n", name, peak);
    return file && !fclose(file) ? parent : 0;
}

static void dump(const char *path, const char *tag) {
    char line[1024];
    for (FILE *file = fopen(path, "r"); file && fgets(line, sizeof line, file);)
        printf("lcdcrt-guest: %s: %s%s", tag, line, strchr(line, '\n') ? "" : "\n");
}

int main(int argc, char **argv) {
    if (getpid() != 1)  // what it starts executes real port I/O
        return fputs("init: runs only as the emulated-x86 guest's /init\n", stderr), 1;
    const char *mounts[][3] = {
        {"devtmpfs", "/dev", ""}, {"proc", "/proc", ""}, {"sysfs", "/sys", ""}, {"tmpfs", "/tmp", ""}};
    for (int i = 0; i < 4; i++)
        mkdir(mounts[i][1], 0755), mount(mounts[i][0], mounts[i][1], mounts[i][0], 0, mounts[i][2]);
    for (int fd = 0; fd < 3; fd++)
        dup2(open("/dev/console", O_RDWR), fd);
    // Debian's defaults for files in sticky world-writable folders such as /run/lock, which
    // systemd's sysctl.d sets at boot and the bare kernel leaves off.
    const char *protections[][2] = {{"regular", "2"}, {"fifos", "1"}, {"symlinks", "1"}, {"hardlinks", "1"}};
    for (int i = 0; i < 4; i++) {
        char path[64];
        snprintf(path, sizeof path, "/proc/sys/fs/protected_%s", protections[i][0]);
        FILE *sysctl = fopen(path, "w");
        CHECK(sysctl && fputs(protections[i][1], sysctl) >= 0 && fclose(sysctl) == 0);
    }
    char commandLine[4096] = "";
    FILE *file = fopen("/proc/cmdline", "re");
    CHECK(file && fgets(commandLine, sizeof commandLine, file) && strstr(commandLine, " lcdcrt.guest=1 "));
    int at = 4, uid = atoi(argv[1]), seconds = atoi(argv[3]), status, done = 0;
    while (at < argc && strchr(argv[at], '='))
        putenv(argv[at++]);
    CHECK(at < argc && chmod("/", 0755) == 0 && mkdir("/tmp/runtime", 0700) == 0);
    CHECK(mkdir("/run", 0755) == 0 && mkdir("/run/lock", 0) == 0 && chmod("/run/lock", 01777) == 0);
    // What the system makes at boot from tmpfiles.d: the controller lock; made as its entry
    // says where the guest has no systemd-tmpfiles of its architecture.
    char *tmpfiles[] = {"/usr/bin/systemd-tmpfiles", "--create", NULL};
    pid_t boot = access(tmpfiles[0], X_OK) ? -1 : fork();
    if (boot == 0)
        execv(tmpfiles[0], tmpfiles), _exit(126);
    CHECK(boot < 0 || (waitpid(boot, &status, 0) == boot && status == 0));
    CHECK(boot > 0 || close(open("/run/lock/lcdcrt.lock", O_WRONLY | O_CREAT, 0644)) == 0);
    struct vfs_cap_data rawIo = {VFS_CAP_REVISION_2 | VFS_CAP_FLAGS_EFFECTIVE, {{1u << CAP_SYS_RAWIO}}};
    CHECK(!atoi(argv[2]) || setxattr(argv[at], "security.capability", &rawIo, XATTR_CAPS_SZ_2, 0) == 0);
    printf("lcdcrt-guest: starting\n");
    fflush(stdout);
    pid_t pid = fork();
    CHECK(pid >= 0);
    if (pid == 0) {
        dup2(open("/tmp/stdout", O_WRONLY | O_CREAT, 0600), 1);
        dup2(open("/tmp/stderr", O_WRONLY | O_CREAT, 0600), 2);
        if (uid && (chown("/tmp/runtime", uid, uid) || setgid(uid) || setuid(uid)))
            perror("becoming the user"), _exit(125);
        execv(argv[at], argv + at), perror("exec"), _exit(126);
    }
    struct rusage usage;
    for (int tick = 0; tick < seconds * 20 && !(done = wait4(pid, &status, WNOHANG, &usage) == pid); tick++)
        usleep(50000);
    if (!done) {
        printf("lcdcrt-guest: outcome: running\n");
        for (int descendant = pid, up = pid; descendant < pid + 4096; up = ++descendant) {
            while (up > 1 && up != pid)
                up = process(up, 0);
            if (up == pid)
                process(descendant, 1);
        }
    } else {
        printf("lcdcrt-guest: outcome: %s %d\n", WIFEXITED(status) ? "exit" : "signal",
               WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status));
        printf("lcdcrt-guest: peak: %s %ld kB\n", argv[at], usage.ru_maxrss);
        while (waitpid(-1, &status, WNOHANG) > 0)  // orphans that have ended too
            ;
        DIR *all = opendir("/proc");
        for (struct dirent *entry; all && (entry = readdir(all));)
            if (atoi(entry->d_name) > 1 && process(atoi(entry->d_name), 0) == 1)
                process(atoi(entry->d_name), 1);
    }
    dump("/tmp/stdout", "stdout"), dump("/tmp/stderr", "stderr");
    end();
}
