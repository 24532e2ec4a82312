// SPDX-License-Identifier: GPL-3.0-or-later
// The page's settings (the session's language and tips, the View switches, Go
// to Offset's base) in localStorage where the browser allows it. Where it
// refuses (blocked site data, some private modes, a full quota) reading or
// writing throws: what it did not take is kept in memory and lasts for the
// visit. Every use of localStorage and sessionStorage goes through here.

class PageStorage {
    // What localStorage refused to keep, by key: the value set, or null when removed.
    private readonly unkept = new Map<string, string | null>();

    getItem(key: string): string | null {
        if (this.unkept.has(key)) {
            return this.unkept.get(key) ?? null;
        }
        try {
            return window.localStorage.getItem(key);
        } catch {
            return null;
        }
    }

    setItem(key: string, value: string): void {
        this.keep(key, value, (storage) => storage.setItem(key, value));
    }

    removeItem(key: string): void {
        this.keep(key, null, (storage) => storage.removeItem(key));
    }

    private keep(key: string, value: string | null, write: (storage: Storage) => void): void {
        try {
            write(window.localStorage);
            this.unkept.delete(key);
        } catch {
            this.unkept.set(key, value);
        }
    }
}

export const pageStorage = new PageStorage();

// This tab's own values (sessionStorage), which outlive only a reload of the
// tab; where the browser refuses them there are none.
export const tabStorage = {
    get(key: string): string | null {
        try {
            return window.sessionStorage.getItem(key);
        } catch {
            return null;
        }
    },
    set(key: string, value: string | null): void {
        try {
            if (value === null) {
                window.sessionStorage.removeItem(key);
            } else {
                window.sessionStorage.setItem(key, value);
            }
        } catch {
            // Not kept: the draft is offered instead of opened again.
        }
    },
};
