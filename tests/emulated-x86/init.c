/* /init of the emulated-x86 guest: runs one program as the kernel command line
 * says, reports how it ended on the serial console, and powers the guest off.
 *
 *   lcdcrt.guest=1      marker: only the rig's command line carries it
 *   lcdcrt.run=PATH     program to start
 *   lcdcrt.arg=TEXT     one argument (repeatable, in order)
 *   lcdcrt.wait=SECONDS how long the program may run before it is reported
 *                       as "running" and ended
 *   lcdcrt.user=UID     run it as this user instead of root
 *   lcdcrt.rawio=1      give the program file the capability cap_sys_rawio+ep first
 *
 * Report lines on the console, read by run-guest:
 *   lcdcrt-guest: exit N | signal N | running CapPrm=HEX CapEff=HEX
 *   lcdcrt-guest: stderr: <one line of the program's stderr>
 *   lcdcrt-guest: end
 */
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mount.h>
#include <sys/reboot.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <grp.h>
#include <linux/capability.h>
#include <time.h>
#include <unistd.h>

#define MARKER "lcdcrt.guest=1"
#define STDERR_FILE "/tmp/program-stderr"
#define MAX_ARGS 16

static void report(const char *format, ...)
{
    va_list list;
    va_start(list, format);
    printf("lcdcrt-guest: ");
    vprintf(format, list);
    printf("\n");
    fflush(stdout);
    va_end(list);
}

static void powerOff(void)
{
    report("end");
    sync();
    reboot(RB_POWER_OFF);
    _exit(1); /* pid 1 exiting panics; with panic=-1 and -no-reboot QEMU quits too */
}

static void fail(const char *what)
{
    report("error: %s: %s", what, strerror(errno));
    powerOff();
}

static void mountAll(void)
{
    if (mount("devtmpfs", "/dev", "devtmpfs", 0, NULL) != 0) fail("mount /dev");
    int console = open("/dev/console", O_RDWR);
    if (console >= 0) {
        dup2(console, 0);
        dup2(console, 1);
        dup2(console, 2);
        if (console > 2) close(console);
    }
    if (mount("proc", "/proc", "proc", 0, NULL) != 0) fail("mount /proc");
    if (mount("sysfs", "/sys", "sysfs", 0, NULL) != 0) fail("mount /sys");
    if (mount("tmpfs", "/tmp", "tmpfs", 0, "mode=1777") != 0) fail("mount /tmp");
    if (mkdir("/tmp/runtime", 0700) != 0) fail("mkdir /tmp/runtime");
}

static char commandLine[4096];

/* Splits /proc/cmdline in place; parameters carry no spaces. */
static int readCommandLine(char *words[], int max)
{
    FILE *file = fopen("/proc/cmdline", "r");
    if (!file) fail("/proc/cmdline");
    size_t length = fread(commandLine, 1, sizeof commandLine - 1, file);
    fclose(file);
    commandLine[length] = '\0';
    int count = 0;
    for (char *word = strtok(commandLine, " \n"); word && count < max; word = strtok(NULL, " \n"))
        words[count++] = word;
    return count;
}

static const char *valueOf(const char *word, const char *name)
{
    size_t length = strlen(name);
    return strncmp(word, name, length) == 0 && word[length] == '=' ? word + length + 1 : NULL;
}

/* A file capability, as `setcap cap_sys_rawio+ep` writes it. The initramfs cannot carry
 * one (cpio has no extended attributes), but the guest's tmpfs root keeps it. */
static void grantRawIo(const char *path)
{
    struct vfs_cap_data caps = {
        .magic_etc = VFS_CAP_REVISION_2 | VFS_CAP_FLAGS_EFFECTIVE,
        .data = {{.permitted = 1u << CAP_SYS_RAWIO}},
    };
    if (setxattr(path, "security.capability", &caps, XATTR_CAPS_SZ_2, 0) != 0)
        fail("setxattr security.capability");
}

static void runProgram(char *argv[], uid_t user)
{
    int err = open(STDERR_FILE, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (err < 0 || dup2(err, 2) < 0) _exit(125);
    if (user != 0 && (chown("/tmp/runtime", user, user) != 0 || setgroups(0, NULL) != 0 ||
                      setgid(user) != 0 || setuid(user) != 0)) {
        perror("becoming the user");
        _exit(125);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_RUNTIME_DIR", "/tmp/runtime", 1);
    setenv("HOME", "/tmp", 1);
    execv(argv[0], argv);
    perror("exec");
    _exit(126);
}

/* The capability sets the program holds, as "CapPrm=HEX CapEff=HEX". */
static void capabilities(pid_t pid, char *text, size_t size)
{
    char path[64], line[256], permitted[32] = "?", effective[32] = "?";
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE *file = fopen(path, "r");
    while (file && fgets(line, sizeof line, file)) {
        sscanf(line, "CapPrm: %31s", permitted);
        sscanf(line, "CapEff: %31s", effective);
    }
    if (file) fclose(file);
    snprintf(text, size, "CapPrm=%s CapEff=%s", permitted, effective);
}

/* Polls so that a program that is still running after the wait is reported as such. */
static void waitForProgram(pid_t pid, int seconds)
{
    struct timespec tick = {0, 50 * 1000 * 1000};
    for (int ticks = 0; ticks < seconds * 20; ticks++) {
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            if (WIFEXITED(status))
                report("exit %d", WEXITSTATUS(status));
            else
                report("signal %d", WTERMSIG(status));
            return;
        }
        nanosleep(&tick, NULL);
    }
    char caps[128];
    capabilities(pid, caps, sizeof caps);
    report("running %s", caps);
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
}

static void reportStderr(void)
{
    FILE *file = fopen(STDERR_FILE, "r");
    if (!file) return;
    char line[1024];
    while (fgets(line, sizeof line, file)) {
        line[strcspn(line, "\n")] = '\0';
        report("stderr: %s", line);
    }
    fclose(file);
}

int main(void)
{
    /* Whatever this starts executes real port I/O: only ever as the guest's init. */
    if (getpid() != 1) {
        fprintf(stderr, "init: refusing to run outside the emulated-x86 guest\n");
        return 1;
    }
    mountAll();

    char *words[256];
    int count = readCommandLine(words, 256);
    char *argv[MAX_ARGS + 2] = {NULL};
    int argc = 1, seconds = 5, marked = 0, rawIo = 0;
    uid_t user = 0;
    for (int i = 0; i < count; i++) {
        const char *value;
        if (strcmp(words[i], MARKER) == 0)
            marked = 1;
        else if ((value = valueOf(words[i], "lcdcrt.run")))
            argv[0] = (char *)value;
        else if ((value = valueOf(words[i], "lcdcrt.arg")) && argc <= MAX_ARGS)
            argv[argc++] = (char *)value;
        else if ((value = valueOf(words[i], "lcdcrt.wait")))
            seconds = atoi(value);
        else if ((value = valueOf(words[i], "lcdcrt.user")))
            user = (uid_t)atoi(value);
        else if ((value = valueOf(words[i], "lcdcrt.rawio")))
            rawIo = atoi(value);
    }
    if (!marked || !argv[0]) {
        report("error: command line lacks %s", marked ? "lcdcrt.run" : MARKER);
        powerOff();
    }

    if (rawIo) grantRawIo(argv[0]);
    pid_t pid = fork();
    if (pid < 0) fail("fork");
    if (pid == 0) runProgram(argv, user);
    waitForProgram(pid, seconds);
    reportStderr();
    powerOff();
}
