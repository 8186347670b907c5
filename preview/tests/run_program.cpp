#include "run_program.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace preview_test {

namespace {

std::string temporary_file()
{
    char name[] = "/tmp/napsheen-preview-test-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0)
        throw std::runtime_error("cannot make a temporary file");
    close(fd);
    return name;
}

std::string slurp_and_remove(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::remove(path.c_str());
    return text.str();
}

} // namespace

ProgramRun run_program(const std::vector<std::string>& argv)
{
    const std::string out_path = temporary_file(), err_path = temporary_file();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out_path.c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err_path.c_str(), O_WRONLY | O_TRUNC, 0);
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ProgramRun run;
    if (spawned == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    run.out = slurp_and_remove(out_path);
    run.err = slurp_and_remove(err_path);
    if (spawned != 0)
        throw std::runtime_error("cannot run " + argv.at(0));
    return run;
}

std::vector<std::string> split_words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

} // namespace preview_test
