// The page's line discipline and ordered writes (web/line.js), on a stand-in
// for xterm.js that lays text out on one unbounded row and, like xterm.js,
// says where its cursor is only once it has parsed what came before: later.
import assert from "node:assert/strict";
import { test } from "node:test";
import { LineDiscipline, OrderedWriter } from "../../web/line.js";

class Terminal {
  constructor() {
    this.cols = 80;
    this.parsed = "";  // what it has laid out
    this.pending = [];
    this.x = 0;
    this.buffer = { active: { baseY: 0, cursorY: 0, get cursorX() { return terminal.x; } } };
    const terminal = this;
  }
  write(text, done) {
    this.pending.push([text, done]);
  }
  parse() {  // what xterm.js does later, in order
    while (this.pending.length) {
      const [text, done] = this.pending.shift();
      this.parsed += text;
      this.x = text.includes("\n") ? 0 : this.x + text.length;
      done?.();
    }
  }
}

function typing() {
  const terminal = new Terminal();
  const said = [];
  const line = new LineDiscipline(new OrderedWriter(terminal), {
    sent: (text) => said.push(["sent", text]),
    end: (rest) => said.push(["end", rest]),
    interrupted: () => said.push(["interrupted"]),
    over: () => false,
  });
  return { terminal, said, line };
}

test("Enter sends the line, Ctrl-D what is typed, Ctrl-C interrupts", () => {
  const { terminal, said, line } = typing();
  line.typed("12\r");
  line.typed("ab\x04");
  line.typed("\x04");
  line.typed("x\x03");
  terminal.parse();
  assert.deepEqual(said, [["sent", "12"], ["end", "ab"], ["end", ""], ["interrupted"]]);
  assert.equal(terminal.parsed, "12\r\nabx^C\r\n");
});

test("Backspace clears from where the erased character went, once laid out", () => {
  const { terminal, said, line } = typing();
  terminal.write("prompt: ");
  line.typed("123\x7f\x7f9\r");  // typed before the terminal has laid out any of it
  terminal.parse();
  // The cursor goes back to column 10, where "2" went, and what follows is
  // written after the clearing, in the order typed.
  assert.equal(terminal.parsed, "prompt: 123\x1b[1;11H\x1b[J\x1b[1;10H\x1b[J9\r\n");
  assert.deepEqual(said, [["sent", "19"]]);
});
