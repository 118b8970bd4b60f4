#pragma once
// Several processes doing one thing at the same moment: forked children held at a barrier and
// released together, each ending with the small number `work` returns.
#include <QtGlobal>

#include <functional>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace korven::test {

// The exit codes of `count` children, each running work(child index); -1 for a child that did not
// end normally.
inline std::vector<int> raceProcesses(int count, const std::function<int(int)> &work)
{
    int barrier[2];
    if (::pipe(barrier) != 0)
        return {};
    std::vector<pid_t> children;
    for (int i = 0; i < count; ++i) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(barrier[1]);
            char c;
            while (::read(barrier[0], &c, 1) < 0) {
            }
            // _exit: the child leaves the parent's test state and exit handlers alone.
            ::_exit(work(i));
        }
        children.push_back(pid);
    }
    ::close(barrier[0]);
    ::close(barrier[1]); // every child's read returns now
    std::vector<int> codes;
    for (pid_t pid : children) {
        int status = 0;
        if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
            codes.push_back(-1);
        else
            codes.push_back(WEXITSTATUS(status));
    }
    return codes;
}

} // namespace korven::test
