// SPDX-License-Identifier: GPL-3.0-or-later
import './app/vantrel-app';

// The worker makes the page work offline; where it cannot register (a file://
// page, a browser without it) the page still works online.
if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    void navigator.serviceWorker.register('./sw.js').catch(() => undefined);
}
