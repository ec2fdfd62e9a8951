/** The GIOP 1.0 to 1.2 messages, and the marshalling of a call's arguments by its operation descriptor. */
package vemo.harl.giop;
