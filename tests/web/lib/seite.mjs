// Works the page as a user does: keyboard for menus, dialogs and text; ARIA for what is shown.

// The menu title (its id) that holds the entry with this id; a title is its own.
const menueVon = (page, id) => page.evaluate((i) => document.getElementById(i)?.closest('[role=menu]')
  ?.getAttribute('aria-labelledby') ?? i, id);

export const STANDARDTEXT = 'Hier kommt etwas zu stehen, was unglaublich schwer zu entschlüsseln ist, weil man '
  + 'eigentlich gar nichts davon mitkriegt, dass überhaupt an das Bild Hand angelegt wurde.';
export const zuLang = (n) => `Der Text ist zu lang: Das Bild kann höchstens 8120 Buchstaben aufnehmen, der Text hat ${n} Zeichen.`;
export const fehlen = (braucht, da) => `Für diesen Text fehlen Positionen: Er braucht ${braucht} Positionen (8 je Zeichen), `
  + `ermittelt sind ${da}. Bitte zuerst „die Positionen ermitteln“ wählen.`;

// Id of what the keyboard is on: the focused element, or its active descendant.
export const wo = (page) => page.evaluate(() => {
  const a = document.activeElement;
  if (!a) return null;
  const nachfahre = a.getAttribute('aria-activedescendant');
  if (nachfahre && a.closest('[role=menubar],[role=menu]')) return nachfahre;
  return a.id || a.tagName;
});

// Menu items by id: role, checked, disabled, caption; and the ARIA ids of every menu item in DOM order.
export const menuezustand = (page) => page.evaluate(() => {
  const zustand = {};
  for (const e of document.querySelectorAll('[role=menuitem],[role=menuitemcheckbox],[role=menuitemradio]')) {
    zustand[e.id] = {
      rolle: e.getAttribute('role'),
      haken: e.getAttribute('aria-checked') === 'true',
      aus: e.getAttribute('aria-disabled') === 'true',
      text: e.textContent.trim(),
    };
  }
  return zustand;
});

// The enabled/checked summary that the tests compare: ids of disabled items and of checked items.
export async function zustaende(page) {
  const z = await menuezustand(page);
  return {
    aus: Object.keys(z).filter((id) => z[id].aus).sort(),
    haken: Object.keys(z).filter((id) => z[id].haken).sort(),
  };
}

// Presses a key until the keyboard is on ziel, at most hoechstens times; true if it got there.
export async function drueckeBis(page, taste, ziel, hoechstens) {
  for (let i = 0; i < hoechstens && (await wo(page)) !== ziel; i++) await page.keyboard.press(taste);
  return (await wo(page)) === ziel;
}

// The title of the menu the keyboard is in: the title itself or an item of its menu.
export const imMenue = (page) => page.evaluate(() => document.activeElement?.closest('[role=menubar] .huelle')
  ?.querySelector('[role=menuitem]')?.id ?? null);

// F10, then Right until the keyboard is in menu `menue` (on an item of it, or on its title).
export async function insMenue(page, menue) {
  await page.keyboard.press('F10');
  for (let i = 0; i < 10 && (await imMenue(page)) !== menue; i++) await page.keyboard.press('ArrowRight');
  if ((await imMenue(page)) !== menue) {
    throw new Error(`F10 and Right do not reach the menu ${menue} (keyboard on ${await wo(page)})`);
  }
}

// Walks to a menu entry from the keyboard: F10, Right to its menu, Down to the entry.
export async function zumEintrag(page, id) {
  const menue = await menueVon(page, id);
  await insMenue(page, menue);
  if (id !== menue && !(await drueckeBis(page, 'ArrowDown', id, 20))) {
    throw new Error(`Down does not reach ${id} in ${menue} (keyboard on ${await wo(page)})`);
  }
}

// Chooses a menu entry from the keyboard: walks to it, Return.
export async function waehle(page, id) {
  await zumEintrag(page, id);
  await page.keyboard.press('Enter');
}

export { warteZu };
// The ids of the menus that are shown.
export const offeneMenues = (page) => page.evaluate(() => [...document.querySelectorAll('[role=menu]')]
  .filter((m) => m.getClientRects().length > 0).map((m) => m.id));
export const offen = (page, id) => page.evaluate((i) => !!document.getElementById(i)?.open, id);

export async function warteDialog(page, id) {
  await page.waitForFunction((i) => document.getElementById(i)?.open, { timeout: 20000 }, id);
}

// Waits until a box is closed and its command has finished: the page answers a box on its
// close event, a task after close(), so a frame and a task more pass before the focus is checked.
async function warteZu(page, id) {
  await page.waitForFunction((i) => !document.getElementById(i).open, { timeout: 5000 }, id);
  await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => setTimeout(r, 0))));
  await page.waitForFunction(() => ['Text2', 'Text3', 'List1'].includes(document.activeElement?.id), { timeout: 5000 });
}

// Waits for the message box, reads its title and text, closes it with Return.
export async function meldung(page) {
  await warteDialog(page, 'Meldung');
  const m = await page.evaluate(() => {
    const d = document.getElementById('Meldung');
    const titelId = d.getAttribute('aria-labelledby');
    return {
      rolle: d.getAttribute('role'),
      titel: (titelId ? document.getElementById(titelId)?.textContent : d.getAttribute('aria-label'))?.trim(),
      text: document.getElementById('Meldung_Text').textContent,
      fokusDrin: d.contains(document.activeElement),
    };
  });
  await page.keyboard.press('Enter');
  await warteZu(page, 'Meldung');
  return m;
}

// "den Schlüssel festlegen" with the default key, confirmed with Return.
export async function schluessel(page, eingabe) {
  await waehle(page, 'M_den_Schluessel_festlegen');
  await warteDialog(page, 'Schluesseldialog');
  const vorgabe = await page.$eval('#Schluessel', (e) => e.value);
  if (eingabe !== undefined) {
    await page.$eval('#Schluessel', (e) => e.select());
    await page.keyboard.type(eingabe);
  }
  await page.keyboard.press('Enter');
  await warteZu(page, 'Schluesseldialog');
  return vorgabe;
}

// The middle of an element, or a point inside it at (dx, dy) from its top-left corner, in CSS pixels.
export const punkt = (page, id, dx, dy) => page.evaluate((i, x, y) => {
  const r = document.getElementById(i).getBoundingClientRect();
  return { x: r.left + (x ?? r.width / 2), y: r.top + (y ?? r.height / 2) };
}, id, dx, dy);

// Puts a long text into Text2 as a paste would (typing 8000 characters takes minutes).
export const setzeText = (page, text) => page.evaluate((t) => {
  const e = document.getElementById('Text2');
  e.focus();
  e.value = t;
  e.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertFromPaste', data: t }));
}, text);

export const wert = (page, id) => page.$eval(`#${id}`, (e) => e.value);
export const zeilen = (page) => page.evaluate(() => window.tarnbildTest.zeilen());

// RGBA of a picture as the session holds it, as a Buffer.
export async function bild(page, name) {
  const b64 = await page.evaluate((n) => {
    const a = window.tarnbildTest.bildRGBA(n);
    let s = '';
    for (let i = 0; i < a.length; i += 0x8000) s += String.fromCharCode.apply(null, a.subarray(i, i + 0x8000));
    return btoa(s);
  }, name);
  return Buffer.from(b64, 'base64');
}

// Waits until the page has painted what the last command did.
export const gemalt = (page) => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));

// The road in short: a text typed, the default key, positions, hiding, decoding; gives Text3.
export async function strasse(page, text) {
  await page.keyboard.type(text);
  await schluessel(page);
  for (const id of ['M_Positionen_ermitteln', 'M_Text_verschluesseln', 'M_Bild_entschluesseln']) await waehle(page, id);
  await page.waitForFunction(() => document.getElementById('Text3').value !== '', { timeout: 10000 });
  return wert(page, 'Text3');
}
