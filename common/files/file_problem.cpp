#include "common/files/file_problem.h"

namespace vorla {

std::string DescribeFileProblem(const FileProblem& problem) {
    if (problem.kind == FileProblem::Kind::WrongFormat) {
        return std::string(kWrongFileFormat);
    }
    return "The " + std::string(problem.what) + " " + problem.path + " cannot be opened" +
           (problem.detail.empty() ? "" : " (" + problem.detail + ")") + ".";
}

} // namespace vorla
