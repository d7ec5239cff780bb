#include "assessment_run.h"

int main(int argc, char** argv) { return quorva::run_assessment(argc, argv); }
