// The words and the drawing of web/drawing.js, from states as the programs
// describe them (platform/drawing.h): what each step did, why a program
// ended with -1, and a record that holds no stack.
import assert from "node:assert/strict";
import { test } from "node:test";
import { describeFailure, describeStep, drawContainers } from "../../web/drawing.js";

const stack = (capacity, values, slots = values) => ({ containers: [{ role: "working",
  kind: "stack", capacity, count: values.length, slots: slots.map((v, i) => [i, v]) }] });
const queue = (capacity, values) => ({ containers: [{ role: "working", kind: "queue", capacity,
  count: values.length, elements: values.map((v, i) => [i, v]), stacks: [] }] });
const none = { containers: [{ role: "working", kind: "none" }] };

test("a step is said by what it changed", () => {
  assert.equal(describeStep(none, stack(5, []), "en"),
    "made a stack of 5 slots: the stack is empty, 0 of 5 slots");
  assert.equal(describeStep(stack(5, [1, 2, 3]), stack(5, [1, 2, 3, 4]), "en"),
    "push 4: the stack holds 1 2 3 4, 4 of 5 slots");
  // A pop leaves its value in the slot: the stack holds only what is below.
  assert.equal(describeStep(stack(5, [1, 2]), stack(5, [1], [1, 2]), "en"),
    "pop 2: the stack holds 1, 1 of 5 slots");
  assert.equal(describeStep(queue(3, [7, 8]), queue(3, [8]), "en"),
    "pop 7: the queue holds 8, 1 of 3 slots");
  assert.equal(describeStep(stack(5, [1]), stack(5, [1, 2, 3, 4, 5]), "en"),
    "assigned from the source: the stack holds 1 2 3 4 5, 5 of 5 slots");
  assert.equal(describeStep(stack(5, [1]), none, "en"), "destroyed: no working stack now");
  assert.equal(describeStep(stack(5, [1]), stack(5, [1]), "en"), null);
  assert.match(describeStep(stack(5, [1]), stack(5, [1, 9]), "zh"), /压入 9/);
  // A removal that moved elements through the queue's stacks says how many moves.
  assert.match(describeStep(queue(3, [7, 8]), queue(3, [8]), "en", 5), /\(5 stack operations\)$/);
});

test("an end with -1 is said from the last state and the choice", () => {
  assert.match(describeFailure("stackcon", stack(2, [1, 2]), "6", "en"), /full stack: overflow/);
  assert.match(describeFailure("heirqueue", queue(2, []), "5", "en"),
    /choice 5 popped an empty queue: underflow/);
  // A capacity typed at its prompt is no push, however it reads.
  assert.match(describeFailure("stackcon", stack(2, []), "2000000000", "en"), /no memory/);
});

test("a record without a stack is drawn as such", () => {
  const html = drawContainers({ containers: [{ role: "working", kind: "record", items: false,
    capacity: 0, count: 0, slots: [] }] }, "en");
  assert.match(html, /NULL/);
  assert.match(html, /holds no stack/);
});
