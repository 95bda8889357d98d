// The page's terminal as a program's line discipline drives it: what the
// program writes and what is typed reach the screen in the order they came,
// and where each typed character went is asked of the terminal itself
// (xterm.js lays text out, and says where its cursor is, only once it has
// parsed what came before, which it does later), so that Backspace erases
// a line that wrapped, or a Tab, exactly.

// Writes to a terminal in order, some of it made only once the terminal has
// laid out everything before it.
export class OrderedWriter {
  constructor(terminal) {
    this.terminal = terminal;
    this.queue = [];     // text, or functions that make text from the laid-out screen
    this.waiting = false;
    this.generation = 0;  // how often what was to be written was dropped
  }

  write(text) {
    this.queue.push(text);
    this.flush();
  }

  // make() is called once everything written before is laid out, and what
  // it returns is written; what is written after waits for it.
  writeLaidOut(make) {
    this.queue.push(make);
    this.flush();
  }

  // Drops what is still to be written (the terminal is reset), a piece
  // waiting for the layout too.
  forget() {
    this.queue = [];
    this.generation += 1;
  }

  flush() {
    while (!this.waiting && this.queue.length) {
      const next = this.queue.shift();
      if (typeof next === "string") {
        this.terminal.write(next);
        continue;
      }
      this.waiting = true;
      const generation = this.generation;
      this.terminal.write("", () => {
        this.waiting = false;
        const text = generation === this.generation ? next() : "";
        if (text) this.terminal.write(text);
        this.flush();
      });
    }
  }
}

// A terminal's line discipline in its usual mode: typed characters echo,
// Backspace and Ctrl-U edit the line, Enter sends it, Ctrl-D sends what is
// typed (on an empty line, the end of input), Ctrl-C interrupts.
export class LineDiscipline {
  // writer: an OrderedWriter of the terminal, whose cols and buffer.active
  // (xterm.js's) tell where text went. sent(line) gets a line ended by
  // Enter, its newline left out; end(rest) what was typed before Ctrl-D
  // ("" at the end of input); interrupted() Ctrl-C; over() tells when the
  // program has ended, so that what is typed after it is dropped.
  constructor(writer, { sent, end, interrupted, over }) {
    this.writer = writer;
    this.terminal = writer.terminal;
    this.sent = sent;
    this.end = end;
    this.interrupted = interrupted;
    this.over = over;
    this.line = "";
    this.marks = [];  // where each character of the line starts, once laid out
  }

  typed(data) {
    if (data.startsWith("\x1b")) return;  // arrows and function keys: no line editing
    let previous = "";
    for (const character of data) {
      if (this.over()) return;
      if (character === "\r" || (character === "\n" && previous !== "\r")) {
        this.writer.write("\r\n");
        const line = this.line;
        this.clear();
        this.sent(line);
      } else if (character === "\x7f" || character === "\b") {
        const characters = [...this.line];
        if (characters.pop() !== undefined) this.eraseTo(characters.join(""));
      } else if (character === "\x15") {  // Ctrl-U: the whole line
        this.eraseTo("");
      } else if (character === "\x04") {  // Ctrl-D
        const line = this.line;
        this.clear();
        this.end(line);
      } else if (character === "\x03") {  // Ctrl-C
        this.writer.write("^C\r\n");
        this.clear();
        this.interrupted();
      } else if (character >= " " || character === "\t") {  // a Tab comes only pasted
        const mark = {};
        this.marks.push(mark);
        this.line += character;
        this.writer.writeLaidOut(() => {
          Object.assign(mark, this.cursor());
          return character;
        });
      }
      previous = character;
    }
  }

  clear() {
    this.line = "";
    this.marks = [];
  }

  // Where the next character goes: its line in the buffer and its column,
  // the terminal's width once a row is full and the next character starts
  // the next row.
  cursor() {
    const buffer = this.terminal.buffer.active;
    return { line: buffer.baseY + buffer.cursorY, x: buffer.cursorX };
  }

  // Takes the end of the line off the screen, leaving `kept`: the screen is
  // cleared from where the first character erased went. (A Backspace,
  // space, Backspace neither goes back up to a row the line wrapped from
  // nor knows how far a Tab went.)
  eraseTo(kept) {
    const count = [...kept].length;
    if (count >= this.marks.length) return;
    const mark = this.marks[count];
    this.marks.length = count;
    this.line = kept;
    this.writer.writeLaidOut(() => {
      const buffer = this.terminal.buffer.active;
      const cols = this.terminal.cols;
      let { x } = mark;
      // A full row's end, where the next character starts the next row,
      // cannot be reached by moving the cursor: the character that fills
      // the row is written again, which leaves the cursor there.
      let refill = "";
      if (x >= cols) {
        const row = buffer.getLine(mark.line);
        const last = row.getCell(cols - 1);
        const filler = last.getWidth() === 0 ? row.getCell(cols - 2) : last;
        refill = filler.getChars() || " ";
        x = cols - Math.max(1, filler.getWidth());
      }
      const row = Math.max(0, mark.line - buffer.baseY);
      return `\x1b[${row + 1};${x + 1}H\x1b[J${refill}`;
    });
  }
}
