// Runs one of the programs, compiled to WebAssembly for WASI, in the page.
//
// The program sees a terminal on its standard input, output and error, no
// files, no environment and its own name as its only argument. What it
// writes goes to `output` as bytes (GBK, which the page decodes). When it
// reads and no typed line is waiting, it is paused inside the read (binaryen's
// Asyncify, which the build applies to every program: the call stack is
// saved to the program's pause room and unwound, and wound back when a line
// comes), so the page goes on while the program waits. The end of input,
// once given, answers one read with nothing, as a terminal's Ctrl-D does.

const ERRNO_SUCCESS = 0;
const ERRNO_BADF = 8;
const ERRNO_NOSYS = 52;
const ERRNO_SPIPE = 70;
const FILETYPE_CHARACTER_DEVICE = 2;
const RIGHTS_FD_READ = 1n << 1n;
const RIGHTS_FD_WRITE = 1n << 6n;
const ASYNCIFY_REWINDING = 2;

// The program's exit, thrown out of proc_exit through the program's frames.
class Exit {
  constructor(status) {
    this.status = status;
  }
}

// A compiled program from its address, stored gzip-compressed (a server
// that already undid the compression for the browser is fine too).
export async function loadProgram(url) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: ${response.status} ${response.statusText}`);
  let bytes = new Uint8Array(await response.arrayBuffer());
  if (bytes[0] === 0x1f && bytes[1] === 0x8b) {
    const inflated = new Blob([bytes]).stream().pipeThrough(new DecompressionStream("gzip"));
    bytes = new Uint8Array(await new Response(inflated).arrayBuffer());
  }
  return WebAssembly.compile(bytes);
}

// One run of a program. `output(fd, bytes)` takes what it writes; `ended`
// is called once, with its exit status, or with an Error when it traps.
export class Run {
  constructor(module, name, { output, ended }) {
    this.name = name;
    this.output = output;
    this.ended = ended;
    this.typed = [];       // lines typed and not yet read, as bytes
    this.endOfInput = false;
    this.paused = false;   // unwound inside a read, waiting for a line
    this.over = false;
    const wasi = this.#systemCalls();
    const imports = {};
    for (const { module: from, name: call, kind } of WebAssembly.Module.imports(module)) {
      if (kind !== "function") continue;
      imports[from] ??= {};
      imports[from][call] = wasi[call] ?? (() => ERRNO_NOSYS);
    }
    this.instance = new WebAssembly.Instance(module, imports);
    this.exports = this.instance.exports;
    this.room = this.exports.pause_room();
    this.roomStart = this.#memory().getUint32(this.room, true);  // where saving begins
  }

  // True while the program waits for a line.
  get waiting() {
    return this.paused;
  }

  start() {
    this.#go();
  }

  // A typed line (bytes, its newline included), or null: the end of input.
  give(line) {
    if (this.over) return;
    if (line === null) this.endOfInput = true;
    else this.typed.push(line);
    if (this.paused) {
      this.paused = false;
      this.exports.asyncify_start_rewind(this.room);
      this.#go();
    }
  }

  // The program's containers as it describes them itself while it waits
  // for a line (platform/drawing.h): { containers: [...] }; null while it
  // runs or once it has ended, or where the program describes none.
  containers() {
    return this.#described("containers_state");
  }

  // The states after each stack operation since the last call (the moves
  // inside one step), in order: [] where there were none.
  moves() {
    return this.#described("containers_moves") ?? [];
  }

  #described(call) {
    if (!this.paused || this.over || !this.exports[call]) return null;
    const address = this.exports[call]();
    const memory = new Uint8Array(this.exports.memory.buffer);
    const end = memory.indexOf(0, address);
    return JSON.parse(new TextDecoder().decode(memory.subarray(address, end)));
  }

  // Ends the program where it is (Ctrl-C): it runs no further.
  stop() {
    if (this.over) return;
    this.over = true;
    this.paused = false;
  }

  #go() {
    try {
      this.exports._start();
    } catch (error) {
      this.over = true;
      this.paused = false;
      this.ended(error instanceof Exit ? error.status : error);
      return;
    }
    if (this.paused) {
      this.exports.asyncify_stop_unwind();
    } else if (!this.over) {
      this.over = true;
      this.ended(0);
    }
  }

  #memory() {
    return new DataView(this.exports.memory.buffer);
  }

  #bytes(address, length) {
    return new Uint8Array(this.exports.memory.buffer, address, length);
  }

  // The WASI calls that the programs make (the others answer ENOSYS).
  #systemCalls() {
    const strings = (list) => list.map((text) => new TextEncoder().encode(text + "\0"));
    const putStrings = (list, pointers, buffer) => {
      const memory = this.#memory();
      for (const [i, bytes] of strings(list).entries()) {
        memory.setUint32(pointers + 4 * i, buffer, true);
        this.#bytes(buffer, bytes.length).set(bytes);
        buffer += bytes.length;
      }
      return ERRNO_SUCCESS;
    };
    const sizes = (list, count, size) => {
      const memory = this.#memory();
      memory.setUint32(count, list.length, true);
      memory.setUint32(size, strings(list).reduce((sum, bytes) => sum + bytes.length, 0), true);
      return ERRNO_SUCCESS;
    };
    const args = [this.name];
    return {
      args_sizes_get: (count, size) => sizes(args, count, size),
      args_get: (pointers, buffer) => putStrings(args, pointers, buffer),
      environ_sizes_get: (count, size) => sizes([], count, size),
      environ_get: () => ERRNO_SUCCESS,
      fd_fdstat_get: (fd, stat) => {
        if (fd > 2) return ERRNO_BADF;
        const memory = this.#memory();
        memory.setUint8(stat, FILETYPE_CHARACTER_DEVICE);
        memory.setUint16(stat + 2, 0, true);
        memory.setBigUint64(stat + 8, fd === 0 ? RIGHTS_FD_READ : RIGHTS_FD_WRITE, true);
        memory.setBigUint64(stat + 16, 0n, true);
        return ERRNO_SUCCESS;
      },
      fd_prestat_get: () => ERRNO_BADF,
      fd_prestat_dir_name: () => ERRNO_BADF,
      fd_close: () => ERRNO_SUCCESS,
      fd_seek: () => ERRNO_SPIPE,
      fd_write: (fd, iovs, count, written) => {
        if (fd !== 1 && fd !== 2) return ERRNO_BADF;
        const memory = this.#memory();
        let total = 0;
        for (let i = 0; i < count; i++) {
          const address = memory.getUint32(iovs + 8 * i, true);
          const length = memory.getUint32(iovs + 8 * i + 4, true);
          if (length) this.output(fd, this.#bytes(address, length).slice());
          total += length;
        }
        memory.setUint32(written, total, true);
        return ERRNO_SUCCESS;
      },
      fd_read: (fd, iovs, count, read) => {
        if (this.exports.asyncify_get_state() === ASYNCIFY_REWINDING) {
          this.exports.asyncify_stop_rewind();  // back in the read that paused
        }
        if (fd !== 0) return ERRNO_BADF;
        if (!this.typed.length && !this.endOfInput) {
          this.#memory().setUint32(this.room, this.roomStart, true);  // the room is empty
          this.exports.asyncify_start_unwind(this.room);
          this.paused = true;
          return ERRNO_SUCCESS;  // not seen: the program unwinds
        }
        // A terminal gives at most one line a read.
        const memory = this.#memory();
        let line = this.typed.shift() ?? new Uint8Array(0);
        let total = 0;
        for (let i = 0; i < count && line.length; i++) {
          const address = memory.getUint32(iovs + 8 * i, true);
          const length = memory.getUint32(iovs + 8 * i + 4, true);
          const taken = Math.min(length, line.length);
          this.#bytes(address, taken).set(line.subarray(0, taken));
          total += taken;
          line = line.subarray(taken);
        }
        if (line.length) this.typed.unshift(line);
        if (!total) this.endOfInput = false;  // the end of input is read once
        memory.setUint32(read, total, true);
        return ERRNO_SUCCESS;
      },
      proc_exit: (status) => {
        throw new Exit(status);
      },
      random_get: (buffer, length) => {
        for (let at = 0; at < length; at += 65536) {
          crypto.getRandomValues(this.#bytes(buffer + at, Math.min(65536, length - at)));
        }
        return ERRNO_SUCCESS;
      },
    };
  }
}
