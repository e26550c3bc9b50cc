// How a step of the scan ended.
#pragma once

enum class StepResult {
    Completed,
    Stopped,  // a stop request was seen
    Failed,  // the file list could not be read; the user was told
};
