// Runs one of the programs built as WebAssembly (WASI) on this process's
// standard input, output and error, with its arguments and environment, and
// ends with its exit status: the tests' way to give it pipes, as qemu-user
// or wine runs the programs of other systems.
//
//   node --no-warnings web/run_wasi.cjs PROGRAM.wasm [ARGS...]
//
// Everything before the program's first read happens at once, on this one
// thread (a module loaded and compiled synchronously): the tests take a
// program whose main thread sleeps for one that waits for input.
"use strict";
// Node.js calls its WASI functions as V8's "fast API calls", inside which a
// garbage collection must not run; yet its WASI accounts the memory it
// allocates to V8, and after the program's memory has grown by tens of MB
// that accounting can start one in the middle of a write: Node.js then
// aborts or crashes (nodejs/node#46777). Plain calls are safe. Set before
// any module is compiled, which is when the calls are chosen.
require("node:v8").setFlagsFromString("--no-turbo-fast-api-calls");
const { readFileSync } = require("node:fs");
const { basename } = require("node:path");
const { WASI } = require("node:wasi");

const [file, ...args] = process.argv.slice(2);
const wasi = new WASI({
  version: "preview1",
  args: [basename(file, ".wasm"), ...args],
  env: process.env,
  returnOnExit: true,
});
const compiled = new WebAssembly.Module(readFileSync(file));
const instance = new WebAssembly.Instance(compiled, wasi.getImportObject());
// An exit status is a byte to the shell that reads it, as on POSIX.
process.exitCode = wasi.start(instance) & 0xff;
