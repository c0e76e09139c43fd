// How long a test waits for something that must happen sooner or later: audio played in
// real time, an analysis, an answer from a local server, a timer's steps. Long enough for
// a loaded machine running the sanitized build, so that such a wait fails only when the
// awaited thing never comes; how fast it comes is measured under bench/, never here.
#pragma once

constexpr int eventuallyMs = 60000;
