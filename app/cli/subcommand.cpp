#include "app/cli/subcommand.h"

#include <iostream>

#include "app/cli/arguments.h"

namespace chronel {

int RunSubcommand(const char* name, const char* usage, const char* help, const std::vector<std::string>& args,
                  const std::function<int(Output& out)>& work) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::cout << usage << '\n' << help;
            return 0;
        }
    try {
        Output out(stdout);
        const int status = work(out);
        if (!out.Flush()) {
            std::cerr << "chronel " << name << ": cannot write the output\n";
            return 1;
        }
        return status;
    } catch (const UsageError& e) {
        std::cerr << "chronel " << name << ": " << e.what() << '\n' << usage;
        return 2;
    }
}

}  // namespace chronel
