/*
 * Project name:
 *     TMR0 (Simple demonstration of interrupt handling)
 * Copyright:
 *     (c) 2026 The Tickwell developers
 * Revision History:
 *     20261206:
 *       - initial release.
 * Description:
 *     This code demonstrates using interrupts in MPLAB XC8. Program turns
 *     on/off LEDs on PORTB a little more than once a second: Timer0 (8-bit
 *     mode, 8 MHz / 4, prescaler 1:32, reloaded with 96) interrupts every
 *     160 x 32 = 5120 instruction cycles (2.56 ms) plus the cycles the
 *     interrupt routine needs to reach its TMR0L reload (context saving
 *     included), and PORTB toggles every 400 interrupts: a little over
 *     1.024 s.
 * Test configuration:
 *     MCU:             PIC18F4520
 *     Dev.Board:       -
 *     Oscillator:      HS, 08.0000 MHz
 *     Ext. Modules:    -
 *     SW:              MPLAB XC8 C Compiler v2.40, C99
 * NOTES:
 *     None.
 */

#include <xc.h>

#pragma config OSC = HS, WDT = OFF, LVP = OFF, PBADEN = OFF, XINST = OFF

volatile unsigned int cnt;

void __interrupt() isr(void) {
  cnt++;                   // increment value of cnt on every interrupt
  TMR0L = 96;
  INTCON = 0x20;           // set TMR0IE, clear TMR0IF
}

void main(void) {
  ADCON1 = 0x0F;           // set AN pins to Digital I/O
  T0CON = 0xC4;            // TMR0 on, 8-bit mode, prescaler 1:32 assigned
  TRISB = 0;               // PORTB is output
  PORTB = 0xFF;            // initialize PORTB
  TMR0L = 96;              // timer0 initial value
  INTCON = 0xA0;           // enable TMR0 interrupt
  cnt = 0;                 // initialize cnt

  while (1) {
    if (cnt == 400) {
      PORTB = (unsigned char)~PORTB;  // toggle PORTB LEDs
      cnt = 0;             // reset cnt
    }
  }
}
