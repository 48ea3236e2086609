#include "simdriver/tool/SimCtlTool.h"

int main(int argc, char** argv) {
    const ToolArguments args(argv + 1, argv + argc);
    SimCtlTool tool(stdout, stderr);
    return tool.Run(args);
}
