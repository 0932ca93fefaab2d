#include "run_cli.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <cerrno>

#include <stdexcept>

#include "scratch_folder.h"

extern char** environ;

CliRun runCli(const std::vector<std::string>& arguments, const std::string& workingFolder) {
    // Standard output and error go to files, so that neither can fill a pipe
    // and stall the program however much it writes.
    const ScratchFolder streams;
    const std::string outPath = streams.at("stdout");
    const std::string errPath = streams.at("stderr");

    std::vector<std::string> words{CUPRENA_CLI_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    if (!workingFolder.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
    }
    pid_t child = 0;
    const int failed = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        throw std::runtime_error(std::string("cannot start ") + CUPRENA_CLI_PATH);
    }
    int wait = 0;
    pid_t waited = 0;
    do {
        waited = ::waitpid(child, &wait, 0);
    } while (waited < 0 && errno == EINTR);
    if (waited < 0) {
        throw std::runtime_error("lost the child cuprena-cli");
    }

    CliRun run;
    run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : 128 + WTERMSIG(wait);
    run.out = bytesOf(outPath);
    run.err = bytesOf(errPath);
    return run;
}
